// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ui/TfrmLinkMan.h"

#include "base/ui/DialogService.h"
#include "base/ui/HelpViewer.h"
#include "link/ReceiveName.h"
#include "link/manager/Checksum.h"
#include "link/manager/SendSelection.h"
#include "link/ui/CalculatorPicture.h"
#include "link/ui/FileListBox.h"
#include "link/ui/FolderList.h"
#include "link/ui/PlacesBox.h"
#include "link/ui/TfrmSendFile.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QVBoxLayout>

namespace vexil::link::ui {

namespace {

using uibase::Answer;
using uibase::Buttons;
using uibase::Dialogs;
using uibase::MessageKind;

struct Filter {
    const char *name;
    const char *mask;
};

constexpr Filter kFilters[] = {
    {"All Calculator Files", "*.8??"},
    {"TI-82 Files", "*.82?"},
    {"TI-83 Files", "*.83?"},
    {"Programs", "*.8?p"},
    {"Backups", "*.8?b"},
    {"Complex", "*.83c"},
    {"Functions", "*.8?y"},
    {"Graph Databases", "*.8?d"},
    {"Groups", "*.8?g"},
    {"Lists", "*.8?l"},
    {"Matrices", "*.8?m"},
    {"Pics", "*.8?i"},
    {"Reals", "*.8?n"},
    {"Table Setups", "*.8?t"},
    {"Window Settings", "*.8?w"},
    {"Zoom Settings", "*.8?z"},
    {"All Files", "*.*"},
};

std::filesystem::path ToPath(const QString &name)
{
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

manager::Paths ToPaths(const QStringList &names)
{
    manager::Paths paths;
    for (const QString &name : names) {
        paths.push_back(ToPath(name));
    }
    return paths;
}

QString Text(const std::string &text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

manager::Report Reporter(MessageKind kind)
{
    return
        [kind](const std::string &message) { Dialogs().message(kind, Text(message), Buttons::Ok); };
}

QLabel *Caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// Shown and hidden as the window's state changes, without moving the rest.
void KeepPlace(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QPushButton *PlainButton(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    // Enter belongs to the mask field and the lists, never to a button.
    button->setAutoDefault(false);
    button->setStatusTip(hint);
    return button;
}

} // namespace

TfrmLinkMan::TfrmLinkMan(TfrmSendFile &transfer, std::function<varfile::CalcModel()> model,
                         std::filesystem::path programDirectory, const QString &startFolder,
                         QWidget *parent)
    : QDialog(parent), transfer_(transfer), model_(std::move(model)),
      programDirectory_(std::move(programDirectory))
{
    setObjectName(QStringLiteral("frmLinkMan"));
    setWindowTitle(tr("Link Manager"));
    setModal(true);
    auto *panes = new QHBoxLayout;
    panes->addWidget(buildComputerPane(), 1);
    panes->addWidget(buildCalculatorPane());
    Button1 = PlainButton(tr("&Help"), tr("Show the help on the Link Manager."), this);
    Button2 = PlainButton(tr("Close"), tr("Close the Link Manager."), this);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(bottom);

    connect(Button1, &QPushButton::clicked, this,
            [this] { uibase::ShowHelp(programDirectory_, QStringLiteral("IDH_LINKMAN")); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::close);
    connectPictures();
    DirectoryListBox1->setDirectory(startFolder);
    goToFolder(DirectoryListBox1->directory());
}

QWidget *TfrmLinkMan::buildComputerPane()
{
    auto *pane = new QGroupBox(tr("Computer"), this);
    Edit1 = new QLineEdit(QStringLiteral("*.8??"), pane);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    FileListBox1 = new FileListBox(pane);
    FileListBox1->setMask(Edit1->text());
    FileListBox1->setStatusTip(
        tr("Drag files onto the calculator to send them; double-click one to send it."));
    DirectoryListBox1 = new FolderList(pane);
    DirectoryListBox1->setStatusTip(tr("Double-click a folder to open it."));
    DriveComboBox1 = new PlacesBox(pane);
    Label3 = new QLabel(pane);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    FilterComboBox1 = new QComboBox(pane);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    for (const Filter &filter : kFilters) {
        FilterComboBox1->addItem(tr(filter.name), QString::fromLatin1(filter.mask));
    }

    auto *grid = new QGridLayout(pane);
    grid->addWidget(Caption(tr("File &name:"), Edit1, pane), 0, 0);
    grid->addWidget(Edit1, 1, 0);
    grid->addWidget(FileListBox1, 2, 0);
    grid->addWidget(Caption(tr("List files of &type:"), FilterComboBox1, pane), 3, 0);
    grid->addWidget(FilterComboBox1, 4, 0);
    grid->addWidget(Caption(tr("&Folders:"), DirectoryListBox1, pane), 0, 1);
    grid->addWidget(Label3, 1, 1);
    grid->addWidget(DirectoryListBox1, 2, 1);
    grid->addWidget(Caption(tr("&Places:"), DriveComboBox1, pane), 3, 1);
    grid->addWidget(DriveComboBox1, 4, 1);
    grid->addWidget(buildFileButtons(), 5, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    connect(Edit1, &QLineEdit::returnPressed, this, &TfrmLinkMan::applyEdit1);
    connect(FilterComboBox1, &QComboBox::activated, this, [this](int index) {
        const QString mask = FilterComboBox1->itemData(index).toString();
        Edit1->setText(mask);
        FileListBox1->setMask(mask);
    });
    // The field shows the file last chosen, or the mask while none is.
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        QListWidgetItem *item = FileListBox1->currentItem();
        const bool chosen = item != nullptr && item->isSelected();
        Edit1->setText(chosen ? item->text() : FileListBox1->mask());
    });
    connect(FileListBox1, &FileListBox::listChanged, this,
            [this] { Edit1->setText(FileListBox1->mask()); });
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this,
            [this] { sendFiles(FileListBox1->selectedFiles()); });
    connect(FileListBox1, &FileListBox::deletePressed, this, [this] {
        // Not while a copy or move waits for its folder, as the button says.
        if (Delete->isEnabled()) {
            DeleteClick();
        }
    });
    connect(DirectoryListBox1, &FolderList::directoryChanged, this, &TfrmLinkMan::goToFolder);
    connect(DriveComboBox1, &PlacesBox::placeChosen, DirectoryListBox1, &FolderList::setDirectory);
    return pane;
}

QWidget *TfrmLinkMan::buildFileButtons()
{
    auto *box = new QWidget(this);
    Copy = PlainButton(tr("Copy"), tr("Copy the selected files to another folder."), box);
    Move = PlainButton(tr("Move"), tr("Move the selected files to another folder."), box);
    Delete = PlainButton(tr("Delete"), tr("Delete the selected files."), box);
    Rename = PlainButton(tr("Rename"), tr("Rename the selected file."), box);
    CreateDir = PlainButton(tr("Create Dir"), tr("Create a folder in the current folder."), box);
    DeleteDir = PlainButton(tr("Delete Dir"), tr("Delete the current folder if it is empty."), box);
    Label5 = new QLabel(tr(manager::kPendingCopyPrompt), box);
    Label5->setWordWrap(true);
    CancelButton = PlainButton(QString(), tr("Leave the files where they are."), box);
    ListBox1 = new QListWidget(box);
    ListBox1->hide();
    Button3 = PlainButton(tr("Fix Checksum"),
                          tr("Put right the checksum at the end of the selected files."), box);

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    QPushButton *buttons[] = {Copy, Move, Delete, Rename, CreateDir, DeleteDir};
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(buttons[i], i / 3, i % 3);
    }
    // The prompt asks for "the Cancel button above".
    grid->addWidget(CancelButton, 2, 0);
    grid->addWidget(Button3, 2, 2);
    grid->addWidget(Label5, 3, 0, 1, 3);
    KeepPlace(Label5);
    KeepPlace(CancelButton);

    connect(Copy, &QPushButton::clicked, this, &TfrmLinkMan::CopyClick);
    connect(Move, &QPushButton::clicked, this, &TfrmLinkMan::MoveClick);
    connect(Delete, &QPushButton::clicked, this, &TfrmLinkMan::DeleteClick);
    connect(Rename, &QPushButton::clicked, this, &TfrmLinkMan::RenameClick);
    connect(CreateDir, &QPushButton::clicked, this, &TfrmLinkMan::CreateDirClick);
    connect(DeleteDir, &QPushButton::clicked, this, &TfrmLinkMan::DeleteDirClick);
    connect(CancelButton, &QPushButton::clicked, this, &TfrmLinkMan::FormShow);
    connect(Button3, &QPushButton::clicked, this, &TfrmLinkMan::Button3Click);
    return box;
}

QWidget *TfrmLinkMan::buildCalculatorPane()
{
    auto *pane = new QGroupBox(tr("Calculator"), this);
    Image1 = new CalculatorPicture(varfile::CalcModel::TI82, pane);
    Image2 = new CalculatorPicture(varfile::CalcModel::TI83, pane);
    Label4 = new QLabel(pane);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setMinimumHeight(2 * Label4->fontMetrics().height());
    KeepPlace(Label4);
    Label4->hide();
    auto *layout = new QVBoxLayout(pane);
    layout->addWidget(Image1, 1);
    layout->addWidget(Image2, 1);
    layout->addWidget(Label4);
    return pane;
}

void TfrmLinkMan::connectPictures()
{
    for (CalculatorPicture *picture : {Image1, Image2}) {
        picture->setToolTip(tr(manager::kReceiveHint));
        picture->setStatusTip(tr(manager::kReceiveHint));
        // A send or receive runs in a modal dialog of its own: start it once the
        // mouse or drop event that asked for it is over.
        connect(picture, &CalculatorPicture::clicked, this, &TfrmLinkMan::receive,
                Qt::QueuedConnection);
        connect(picture, &CalculatorPicture::dropped, this, &TfrmLinkMan::sendFiles,
                Qt::QueuedConnection);
        connect(picture, &CalculatorPicture::dragEntered, this, [this, picture](int count) {
            const QString hint = Text(manager::SendHint(static_cast<std::size_t>(count)));
            picture->setToolTip(hint);
            picture->setStatusTip(hint);
            showHint(hint);
        });
        connect(picture, &CalculatorPicture::dragLeft, this, [this, picture] {
            picture->setToolTip(tr(manager::kReceiveHint));
            picture->setStatusTip(tr(manager::kReceiveHint));
            Label4->hide();
        });
    }
}

void TfrmLinkMan::FormShow()
{
    FileListBox1->clearSelection();
    Label5->hide();
    CancelButton->hide();
    ListBox1->clear();
    pending_.reset();
    Copy->setText(Text(manager::CopyOrMoveCaption(manager::FileAction::Copy)));
    Move->setText(Text(manager::CopyOrMoveCaption(manager::FileAction::Move)));
    for (QPushButton *button : {Copy, Move, Delete, Rename, CreateDir, DeleteDir, Button3}) {
        button->setEnabled(true);
    }
    const bool ti83 = model_() == varfile::CalcModel::TI83;
    Image1->setVisible(!ti83);
    Image2->setVisible(ti83);
}

void TfrmLinkMan::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Label4->hide();
    // Files may have come and gone since the window was last open.
    DirectoryListBox1->setDirectory(currentFolder());
    FileListBox1->refresh();
    FormShow();
}

bool TfrmLinkMan::event(QEvent *event)
{
    // The hints of this window show in Label4 at once; the main window's status
    // panel has its own again as soon as this window is gone.
    if (event->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

void TfrmLinkMan::showHint(const QString &hint)
{
    Label4->setText(hint);
    Label4->setVisible(!hint.isEmpty());
}

QString TfrmLinkMan::currentFolder() const
{
    return DirectoryListBox1->directory();
}

void TfrmLinkMan::goToFolder(const QString &folder)
{
    FileListBox1->setDirectory(folder);
    DriveComboBox1->showPlaceOf(folder);
    Label3->setText(folder);
    Label3->setToolTip(folder);
}

void TfrmLinkMan::sendFiles(const QStringList &files)
{
    const manager::SendPlan plan =
        manager::PlanSend(ToPaths(files), Reporter(MessageKind::Warning));
    switch (plan.kind) {
    case manager::SendPlan::Kind::Nothing:
        Dialogs().beep();
        break;
    case manager::SendPlan::Kind::OneFile:
        transfer_.StartSendFile(files.front());
        break;
    case manager::SendPlan::Kind::List: {
        QStringList list;
        for (const std::filesystem::path &file : plan.files) {
            list.append(QFile::decodeName(QByteArray::fromStdString(file.string())));
        }
        transfer_.StartSendList(list);
        break;
    }
    case manager::SendPlan::Kind::Refused:
        break;
    }
}

void TfrmLinkMan::receive()
{
    transfer_.StartReceive(currentFolder(), MakeReceiveName);
    FileListBox1->refresh();
}

void TfrmLinkMan::CopyClick()
{
    copyOrMove(manager::FileAction::Copy, Copy);
}

void TfrmLinkMan::MoveClick()
{
    copyOrMove(manager::FileAction::Move, Move);
}

void TfrmLinkMan::copyOrMove(manager::FileAction action, QPushButton *button)
{
    if (!pending_) {
        const QStringList files = FileListBox1->selectedFiles();
        if (files.isEmpty()) {
            return;
        }
        // First press: remember the files; the second press, in the folder now
        // chosen, performs.
        pending_ = action;
        button->setText(tr(manager::kPerformCaption));
        for (QPushButton *other : {Copy, Move, Delete, Rename, CreateDir, DeleteDir, Button3}) {
            other->setEnabled(other == button);
        }
        CancelButton->setText(Text(manager::CancelCopyOrMoveCaption(action)));
        CancelButton->show();
        Label5->show();
        ListBox1->clear();
        ListBox1->addItems(files);
        return;
    }
    QStringList files;
    for (int row = 0; row < ListBox1->count(); ++row) {
        files.append(ListBox1->item(row)->text());
    }
    const auto ask = [](const std::string &question) {
        switch (
            Dialogs().message(MessageKind::Confirmation, Text(question), Buttons::YesNoCancel)) {
        case Answer::Yes:
            return manager::OverwriteAnswer::Yes;
        case Answer::No:
            return manager::OverwriteAnswer::No;
        default:
            return manager::OverwriteAnswer::Cancel;
        }
    };
    manager::CopyOrMoveFiles(action, ToPaths(files), ToPath(currentFolder()), ask,
                             Reporter(MessageKind::Error));
    FileListBox1->refresh();
    FormShow();
}

void TfrmLinkMan::DeleteClick()
{
    const QStringList files = FileListBox1->selectedFiles();
    if (files.isEmpty()) {
        return;
    }
    const QString question = Text(manager::DeleteQuestion(static_cast<std::size_t>(files.size())));
    if (Dialogs().message(MessageKind::Confirmation, question, Buttons::YesNo) != Answer::Yes) {
        return;
    }
    manager::DeleteFiles(ToPaths(files), Reporter(MessageKind::Error));
    FileListBox1->refresh();
}

void TfrmLinkMan::RenameClick()
{
    const QStringList files = FileListBox1->selectedFiles();
    if (files.size() > 1) {
        Dialogs().message(MessageKind::Warning, tr(manager::kRenameOneOnly), Buttons::Ok);
        return;
    }
    if (files.isEmpty()) {
        return;
    }
    const std::filesystem::path file = ToPath(files.front());
    const QString name = Text(file.filename().string());
    const std::optional<QString> answer = Dialogs().inputText(
        tr(manager::kRenameTitle), Text(manager::RenamePrompt(file.filename().string())), name);
    if (!answer) {
        return;
    }
    if (!manager::RenameInFolder(file, QFile::encodeName(*answer).toStdString())) {
        Dialogs().message(MessageKind::Error, tr(manager::kRenameFailed), Buttons::Ok);
    }
    FileListBox1->refresh();
    FileListBox1->selectFile(*answer);
}

void TfrmLinkMan::CreateDirClick()
{
    const std::optional<QString> answer = Dialogs().inputText(
        tr(manager::kCreateFolderTitle),
        Text(manager::CreateFolderPrompt(ToPath(currentFolder()).string())), QString());
    if (!answer) {
        return;
    }
    if (!manager::CreateFolderIn(ToPath(currentFolder()),
                                 QFile::encodeName(*answer).toStdString())) {
        Dialogs().message(MessageKind::Error, tr(manager::kCreateFolderFailed), Buttons::Ok);
    }
    DirectoryListBox1->refresh();
}

void TfrmLinkMan::DeleteDirClick()
{
    const QString folder = currentFolder();
    const std::string name = ToPath(folder).string();
    if (Dialogs().message(MessageKind::Confirmation, Text(manager::DeleteFolderQuestion(name)),
                          Buttons::YesNo) != Answer::Yes) {
        return;
    }
    DirectoryListBox1->setDirectory(folder + QStringLiteral("/.."));
    if (!manager::RemoveEmptyFolder(ToPath(folder))) {
        Dialogs().message(MessageKind::Error, Text(manager::DeleteFolderFailedMessage(name)),
                          Buttons::Ok);
    }
    DirectoryListBox1->refresh();
}

void TfrmLinkMan::Button3Click()
{
    const QStringList files = FileListBox1->selectedFiles();
    if (files.isEmpty()) {
        Dialogs().beep();
        return;
    }
    int fixed = 0;
    for (const QString &name : files) {
        const std::filesystem::path file = ToPath(name);
        const manager::ChecksumFix result = manager::FixChecksumFile(file);
        if (result.fixed()) {
            ++fixed;
        } else {
            Dialogs().message(MessageKind::Error,
                              Text(manager::ChecksumNotFixedMessage(file.filename().string(),
                                                                    result.error->message)),
                              Buttons::Ok);
        }
    }
    if (fixed > 0) {
        Dialogs().message(MessageKind::Information, Text(manager::ChecksumsUpdatedMessage(fixed)),
                          Buttons::Ok);
    }
}

void TfrmLinkMan::applyEdit1()
{
    const QString text = Edit1->text().trimmed();
    if (text.isEmpty()) {
        const QString mask = FilterComboBox1->currentData().toString();
        Edit1->setText(mask);
        FileListBox1->setMask(mask);
        return;
    }
    const bool wildcard = text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
    if (!wildcard && FileListBox1->selectFile(text)) {
        return;
    }
    FileListBox1->setMask(text);
}

} // namespace vexil::link::ui
