// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ui/TfrmSource.h"

#include "app/Options.h"
#include "app/RecentFiles.h"
#include "base/ui/WindowSwitch.h"
#include "editor/ErrorEntry.h"
#include "editor/ProgNameLine.h"
#include "editor/ui/EditorFont.h"
#include "editor/ui/Z80Lexer.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

namespace vexil::editor {
namespace {

constexpr int kErrorListHeight = 44;
constexpr int kSplitterHeight = 3;

// The height the user last dragged an error list to; every list shows at it for the
// rest of the session (a real program can give hundreds of errors).
int &SessionErrorListHeight()
{
    static int height = kErrorListHeight;
    return height;
}

QString FirstLineOf(QsciScintilla &editor)
{
    QString line = editor.text(0);
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) {
        line.chop(1);
    }
    return line;
}

// The assembler's messages are lower-cased; on a case-sensitive file system the
// file they name is found by comparing names in its folder without regard to case.
QString ResolveFileCase(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists()) {
        return info.absoluteFilePath();
    }
    const QDir folder = info.absoluteDir();
    for (const QString &name : folder.entryList(QDir::Files)) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0) {
            return folder.absoluteFilePath(name);
        }
    }
    return info.absoluteFilePath();
}

} // namespace

TfrmSource::TfrmSource(uibase::MainFrame &frame, QWidget *parent)
    : TextDocumentWindow(frame, parent), ListBox1(new QListWidget(this)),
      Splitter1(new QSplitter(Qt::Vertical, this))
{
    auto *lexer = new Z80Lexer(Memo1);
    Memo1->setLexer(lexer);
    Splitter1->addWidget(Memo1);
    Splitter1->addWidget(ListBox1);
    Splitter1->setCollapsible(0, false);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    // The list's own size hint is taller than the few lines it is meant to show.
    ListBox1->setMinimumHeight(kErrorListHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);

    applyFont(EditorFont(frame.options()));
    Memo1->setModified(false);
    hideErrorList();

    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { jumpToSelectedError(); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] {
        if (errorListShown()) {
            SessionErrorListHeight() = ListBox1->height();
        }
    });
    buildPopupMenus();
}

void TfrmSource::buildPopupMenus()
{
    // Only shown on the menu: Ctrl+F4 itself belongs to the main window, the same in
    // every kind of document window; a second live one would make the key ambiguous.
    auto *closeFile = new QAction(tr("&Close File"), this);
    closeFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    connect(closeFile, &QAction::triggered, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget())) {
            sub->close();
        } else {
            close();
        }
    });

    errorListAction_ = new QAction(tr("&Error List"), this);
    errorListAction_->setCheckable(true);
    connect(errorListAction_, &QAction::triggered, this, [this] {
        if (errorListShown()) {
            hideErrorList();
        } else {
            showErrorList();
        }
    });

    // Only shown on the menu: the main window's F7 is the live shortcut.
    auto *assemble = new QAction(tr("&Assemble"), this);
    assemble->setShortcut(QKeySequence(Qt::Key_F7));
    connect(assemble, &QAction::triggered, this, &TfrmSource::assembleRequested);
    auto *assembleAndSend = new QAction(tr("A&ssemble and Send..."), this);
    assembleAndSend->setShortcut(QKeySequence(Qt::Key_F8));
    connect(assembleAndSend, &QAction::triggered, this, &TfrmSource::assembleAndSendRequested);

    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this, closeFile, assemble, assembleAndSend](const QPoint &at) {
                QMenu menu(this);
                menu.addAction(closeFile);
                menu.addSeparator();
                assemble->setEnabled(IsSource);
                menu.addAction(assemble);
                assembleAndSend->setEnabled(IsSource);
                menu.addAction(assembleAndSend);
                errorListAction_->setChecked(errorListShown());
                menu.addAction(errorListAction_);
                menu.exec(Memo1->mapToGlobal(at));
            });

    auto *hide = new QAction(tr("&Hide Error List"), this);
    connect(hide, &QAction::triggered, this, [this] { hideErrorList(); });
    ListBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    ListBox1->addAction(hide);
}

uibase::DocumentTraits TfrmSource::traits() const
{
    uibase::DocumentTraits t = TextDocumentWindow::traits();
    t.assemble = IsSource;
    return t;
}

void TfrmSource::makeListing()
{
    IsSource = false;
    Memo1->setReadOnly(true);
    Memo1->setPaper(palette().color(QPalette::Button));
    if (auto *lexer = Memo1->lexer()) {
        lexer->setDefaultPaper(palette().color(QPalette::Button));
        lexer->setPaper(palette().color(QPalette::Button), -1);
    }
}

void TfrmSource::showErrorList()
{
    ListBox1->setVisible(true);
    Splitter1->setHandleWidth(kSplitterHeight);
    const int total = Splitter1->height();
    // Never so tall that the editor has no room left.
    const int list =
        std::clamp(SessionErrorListHeight(), kErrorListHeight,
                   std::max(kErrorListHeight, total - kSplitterHeight - kErrorListHeight));
    Splitter1->setSizes({std::max(0, total - list - kSplitterHeight), list});
}

void TfrmSource::hideErrorList()
{
    ListBox1->setVisible(false);
    Splitter1->setHandleWidth(0);
}

bool TfrmSource::errorListShown() const
{
    return !ListBox1->isHidden();
}

void TfrmSource::setErrors(const QStringList &entries)
{
    ListBox1->clear();
    ListBox1->addItems(entries);
    showErrorList();
}

bool TfrmSource::LoadFile(const QString &fileName)
{
    if (!readIntoEditor(fileName)) {
        return false;
    }
    ProgName = QString::fromStdString(ProgNameFromFirstLine(FirstLineOf(*Memo1).toStdString()));
    return true;
}

void TfrmSource::updateProgNameLine()
{
    const bool empty = Memo1->length() == 0;
    const std::string first = FirstLineOf(*Memo1).toStdString();
    const ProgNameEdit edit =
        PlanProgNameLine(empty ? std::nullopt : std::optional<std::string_view>(first),
                         ProgName.toStdString(), FileName.toStdString());
    const QString line = QString::fromStdString(edit.line);
    const long firstEnd = Memo1->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, 0);
    switch (edit.action) {
    case ProgNameEdit::Action::Keep:
        break;
    case ProgNameEdit::Action::Insert:
        Memo1->insertAt(line + QStringLiteral("\r\n"), 0, 0);
        break;
    case ProgNameEdit::Action::Delete: {
        const long next = Memo1->lines() > 1
                              ? Memo1->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, 1)
                              : firstEnd;
        Memo1->SendScintilla(QsciScintilla::SCI_DELETERANGE, 0, next);
        break;
    }
    case ProgNameEdit::Action::Replace: {
        const QByteArray bytes = line.toUtf8();
        Memo1->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, 0, firstEnd);
        Memo1->SendScintilla(QsciScintilla::SCI_REPLACETARGET, bytes.size(), bytes.constData());
        break;
    }
    }
}

bool TfrmSource::SaveFile()
{
    if (!IsSource) {
        return true;
    }
    if (FileName.isEmpty()) {
        const std::filesystem::path folder =
            frame_.programDirectory() /
            assemble::Describe(app::SelectedTarget(frame_.options())).name;
        const QString chosen =
            askSaveName(tr("Save Assembler Source"),
                        QStringLiteral("Assembler source (*.asm, *.z80, *.a80)|*.asm;*.z80;*.a80|"
                                       "Include Files (*.inc, *.h)|*.inc;*.h|All Files (*.*)|*.*"),
                        QStringLiteral("asm"), QString::fromStdString(folder.string()));
        if (chosen.isEmpty()) {
            return false;
        }
        FileName = chosen;
    }
    const long anchor = Memo1->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART);
    const long length = Memo1->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND) - anchor;
    updateProgNameLine();
    if (!writeFromEditor(FileName)) {
        return false;
    }
    afterSave();
    Memo1->SendScintilla(QsciScintilla::SCI_SETSEL, anchor, anchor + length);
    return true;
}

void TfrmSource::jumpToSelectedError()
{
    QListWidgetItem *item = ListBox1->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    const auto location = ParseErrorEntry(item->text().toStdString());
    if (!location) {
        return;
    }
    QString file = QString::fromStdString(location->file);
    const QString baseFolder =
        FileName.isEmpty() ? QDir::currentPath() : QFileInfo(FileName).absolutePath();
    if (QFileInfo(file).isRelative()) {
        file = QDir(baseFolder).absoluteFilePath(file);
    }
    file = ResolveFileCase(file);

    QMdiArea &area = frame_.mdiArea();
    TfrmSource *target = nullptr;
    for (QMdiSubWindow *sub : area.subWindowList()) {
        auto *source = qobject_cast<TfrmSource *>(sub->widget());
        if (source != nullptr && !source->FileName.isEmpty() &&
            app::SamePath(source->FileName.toStdString(), file.toStdString())) {
            target = source;
            uibase::SwitchToWindow(area, sub);
            break;
        }
    }
    if (target == nullptr) {
        auto *opened = new TfrmSource(frame_);
        QDir::setCurrent(baseFolder);
        opened->FileName = file;
        opened->setWindowTitle(QFileInfo(file).fileName());
        if (!opened->LoadFile(file)) {
            delete opened;
            return;
        }
        frame_.addDocument(opened);
        frame_.rebuildWindowMenu();
        target = opened;
    }
    target->selectLine(location->line);
}

} // namespace vexil::editor
