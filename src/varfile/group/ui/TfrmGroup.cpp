// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/ui/TfrmGroup.h"

#include "base/FileIo.h"
#include "base/ui/DialogService.h"
#include "base/ui/EditorRegistry.h"
#include "base/ui/HelpViewer.h"
#include "base/ui/ProgressWindow.h"
#include "tibasic/KeyboardFont.h"
#include "tibasic/ui/TokenTextEdit.h"
#include "varfile/group/GroupAdd.h"
#include "varfile/group/GroupEntryText.h"
#include "varfile/group/ui/GroupClipboard.h"
#include "varfile/group/ui/GroupRowDelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMimeData>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>

namespace vexil::group::ui {

namespace {

using uibase::Buttons;
using uibase::Dialogs;
using uibase::MessageKind;

const uibase::VarEditorTexts kGroupTexts{QStringLiteral("Groups"), QStringLiteral("Group"),
                                         QLatin1Char('g'), QStringLiteral("Group")};

const char *const kAddFilter =
    "All Calculator Files|*.8??|TI-82 Files|*.82?|TI-83 Files|*.83?|Programs|*.8?p|Backups|"
    "*.8?b|Complex|*.83c|Functions|*.8?y|Graph Databases|*.8?d|Groups|*.8?g|Lists|*.8?l|"
    "Matrices|*.8?m|Pics|*.8?i|Reals|*.8?n|Table Setups|*.8?t|Window Settings|*.8?w|"
    "Zoom Settings|*.8?z|All Files|*.*";

constexpr int kTypeColumnWidth = 50;
constexpr int kTextIndent = 2; // as GroupRowDelegate draws
constexpr int kNameColumnWidth = 235;

std::filesystem::path LocalPath(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString ShownPath(const std::filesystem::path &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

QString FromLocal(const std::string &text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

void ShowError(const QString &text)
{
    Dialogs().message(MessageKind::Error, text, Buttons::Ok);
}

} // namespace

TfrmGroup::TfrmGroup(uibase::MainFrame &frame, QWidget *parent)
    : uibase::VarEditorWindow(frame, kGroupTexts, parent), list_(new QTreeWidget(this))
{
    auto *tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    add_ = tools->addAction(QStringLiteral("Add"), this, &TfrmGroup::AddClick);
    add_->setToolTip(QStringLiteral("Add Files to Group"));
    remove_ = tools->addAction(QStringLiteral("Remove"), this, &TfrmGroup::RemoveClick);
    remove_->setToolTip(QStringLiteral("Remove Files from Group"));
    extract_ = tools->addAction(QStringLiteral("Extract"), this, &TfrmGroup::ExtractClick);
    extract_->setToolTip(QStringLiteral("Extract Files from Group"));
    tools->addSeparator();
    tools->addAction(QStringLiteral("Help"), this, [this] {
        uibase::ShowHelp(frame_.programDirectory(), QStringLiteral("IDH_DLGGROUP"));
    });

    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Type"), QStringLiteral("Name")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setItemDelegate(new GroupRowDelegate(list_));
    // Names use the calculator's glyphs (subscript digits, theta), which the
    // token font has.
    list_->setFont(tibasic::ui::TokenTextFont());
    list_->header()->setFont(QApplication::font());
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionResizeMode(0, QHeaderView::Fixed);
    // At least as wide as the longest type text in the list's font.
    const int typeWidth = std::max(
        kTypeColumnWidth,
        QFontMetrics(list_->font()).horizontalAdvance(QStringLiteral("MATRX")) + 3 * kTextIndent);
    list_->header()->resizeSection(0, typeWidth);
    list_->header()->resizeSection(1, kNameColumnWidth);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(list_);
    setFocusProxy(list_);
}

TfrmGroup::~TfrmGroup() = default;

bool TfrmGroup::SaveFile()
{
    if (elements_.empty()) {
        // Nothing is written; Save As must not lose the name of the file on disk.
        if (FileName.isEmpty()) {
            FileName = fileOnDisk_;
        }
        return true;
    }
    if (!uibase::VarEditorWindow::SaveFile()) {
        return false;
    }
    fileOnDisk_ = FileName;
    return true;
}

bool TfrmGroup::ensureFileName()
{
    if (!FileName.isEmpty()) {
        return true;
    }
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Save Group File");
    request.filter = QStringLiteral("Group Files|*.8?g|All Files|*.*");
    request.defaultSuffix = IsTI82 ? QStringLiteral("82g") : QStringLiteral("83g");
    const QString chosen = Dialogs().saveFileName(request);
    if (chosen.isEmpty()) {
        return false;
    }
    FileName = chosen;
    return true;
}

void TfrmGroup::beginSaving()
{
    progress_ = std::make_unique<uibase::ProgressWindow>(this);
    progress_->setText(QStringLiteral("Saving ") + QFileInfo(FileName).fileName());
    progress_->show();
}

void TfrmGroup::endSaving()
{
    progress_.reset();
}

std::optional<varfile::Bytes> TfrmGroup::buildFile()
{
    const double count = static_cast<double>(elements_.size());
    BuiltGroup built = BuildGroupFile(model(), elements_, [this, count](std::size_t done) {
        if (progress_) {
            progress_->setPosition(
                static_cast<int>(std::lround(static_cast<double>(done) * 100.0 / count)));
        }
    });
    if (!built.ok()) {
        ShowError(QString::fromStdString(built.error));
        return std::nullopt;
    }
    return std::move(built.file);
}

bool TfrmGroup::loadBytes(varfile::ByteView file)
{
    LoadedGroup loaded = ParseGroupFile(file);
    IsTI82 = loaded.model == CalcModel::TI82;
    elements_ = std::move(loaded.elements);
    fileOnDisk_ = FileName;
    refill();
    return loaded.complete();
}

QString TfrmGroup::readErrorMessage() const
{
    return QString::fromLatin1(kGroupReadError);
}

void TfrmGroup::refill()
{
    list_->clear();
    for (const GroupElement &element : elements_) {
        const EntrySummary entry = FirstEntry(element).value_or(EntrySummary{});
        const std::string name =
            tibasic::KeyboardFontToUtf8(ShownName(model(), entry, NameGlyphs::KeyboardFont));
        list_->addTopLevelItem(
            new QTreeWidgetItem({QString::fromStdString(TypeText(model(), entry.typeId)),
                                 QString::fromStdString(name)}));
    }
}

void TfrmGroup::AddClick()
{
    uibase::FileDialogRequest request;
    request.title = QStringLiteral("Add Files to Group...");
    request.filter = QString::fromLatin1(kAddFilter);
    const QStringList paths = Dialogs().openFileNames(request);
    if (!paths.isEmpty() && addFiles(paths)) {
        setModified(true);
    }
}

bool TfrmGroup::addFiles(const QStringList &paths)
{
    std::vector<GroupElement> added;
    for (const QString &path : paths) {
        AddedFile file = ReadFileForGroup(LocalPath(path), model());
        if (file.ok()) {
            added.push_back(std::move(file.element));
        } else {
            ShowError(FromLocal(file.refusal));
        }
    }
    const bool any = !added.empty();
    appendElements(std::move(added));
    return any;
}

void TfrmGroup::appendElements(std::vector<GroupElement> elements)
{
    for (GroupElement &element : elements) {
        elements_.push_back(std::move(element));
    }
    refill();
}

std::vector<int> TfrmGroup::selectedRows() const
{
    std::vector<int> rows;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        if (list_->topLevelItem(row)->isSelected()) {
            rows.push_back(row);
        }
    }
    return rows;
}

void TfrmGroup::removeRows(const std::vector<int> &rows)
{
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        elements_.erase(elements_.begin() + *row);
    }
    setModified(true);
    refill();
}

void TfrmGroup::RemoveClick()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        Dialogs().beep();
        return;
    }
    removeRows(rows);
}

void TfrmGroup::ExtractClick()
{
    if (elements_.empty()) {
        Dialogs().beep();
        return;
    }
    const QString start =
        fileOnDisk_.isEmpty() ? QDir::currentPath() : QFileInfo(fileOnDisk_).absolutePath();
    const QString folder =
        Dialogs().existingDirectory(QStringLiteral("Select Output Directory"), start);
    if (folder.isEmpty()) {
        return;
    }
    std::vector<int> rows = selectedRows();
    if (rows.empty()) {
        rows.resize(elements_.size());
        std::iota(rows.begin(), rows.end(), 0);
    }
    for (int row : rows) {
        extractElement(folder, elements_[static_cast<std::size_t>(row)]);
    }
}

void TfrmGroup::extractElement(const QString &folder, const GroupElement &element)
{
    const std::filesystem::path target = ExtractPath(LocalPath(folder), model(), element);
    const QString shown = ShownPath(target);
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(target, ec)) &&
        Dialogs().message(MessageKind::Warning,
                          QStringLiteral("The file, ") + shown +
                              QStringLiteral(", already exists.  Overwrite?"),
                          Buttons::YesNo) != uibase::Answer::Yes) {
        return;
    }
    if (!WriteExtractedFile(target, model(), element)) {
        ShowError(QStringLiteral("Error writing file ") + shown + QStringLiteral("."));
    }
}

uibase::DocumentTraits TfrmGroup::traits() const
{
    uibase::DocumentTraits traits;
    traits.editCommands = true;
    return traits;
}

bool TfrmGroup::runEditCommand(uibase::EditCommand command)
{
    const std::vector<int> rows = selectedRows();
    switch (command) {
    case uibase::EditCommand::SelectAll:
        list_->selectAll();
        return !elements_.empty();
    case uibase::EditCommand::Paste:
        return paste();
    case uibase::EditCommand::Copy:
    case uibase::EditCommand::Cut:
    case uibase::EditCommand::Delete:
        break;
    }
    if (rows.empty()) {
        return false;
    }
    if (command != uibase::EditCommand::Delete) {
        copySelection();
    }
    if (command != uibase::EditCommand::Copy) {
        removeRows(rows);
    }
    return true;
}

void TfrmGroup::copySelection()
{
    std::vector<GroupElement> elements;
    QString text;
    for (int row : selectedRows()) {
        elements.push_back(elements_[static_cast<std::size_t>(row)]);
        const QTreeWidgetItem *item = list_->topLevelItem(row);
        text += item->text(0) + QLatin1Char('\t') + item->text(1) + QLatin1Char('\n');
    }
    QApplication::clipboard()->setMimeData(ElementsToMime(model(), elements, text));
}

bool TfrmGroup::paste()
{
    const QMimeData *mime = QApplication::clipboard()->mimeData();
    if (mime == nullptr) {
        return false;
    }
    if (auto elements = ElementsFromMime(*mime, model())) {
        appendElements(std::move(*elements));
        setModified(true);
        return true;
    }
    // Files copied in a file manager are added as Add would add them.
    QStringList paths;
    for (const QUrl &url : mime->urls()) {
        if (url.isLocalFile()) {
            paths.append(url.toLocalFile());
        }
    }
    if (paths.isEmpty()) {
        return false;
    }
    if (addFiles(paths)) {
        setModified(true);
    }
    return true;
}

void RegisterGroupEditor(uibase::EditorRegistry &registry)
{
    registry.add<TfrmGroup>({QStringLiteral("82G"), QStringLiteral("83G")});
}

} // namespace vexil::group::ui
