// SPDX-License-Identifier: GPL-3.0-or-later
// The Link Manager against the simulated calculator over the virtual cable: drops
// and their refusals, receiving into the folder shown, the two-press copy and
// move, Fix Checksum, and the file and folder commands with their questions.
#include "link/ui/TfrmLinkMan.h"
#include "base/FileIo.h"
#include "base/ui/ScriptedDialogService.h"
#include "link/LinkDevice.h"
#include "link/SimOnCable.h"
#include "link/calcsim/SimCalculator.h"
#include "link/ui/CalculatorPicture.h"
#include "link/ui/FileListBox.h"
#include "link/ui/FolderList.h"
#include "link/ui/TfrmSendFile.h"
#include "support/ScratchFolder.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace vexil::link;
using namespace vexil::link::ui;
using vexil::uibase::Answer;
namespace vf = vexil::varfile;
namespace fs = std::filesystem;

namespace {

QString Q(const fs::path &path)
{
    return QString::fromStdString(path.string());
}

class LinkManager : public ::testing::Test {
protected:
    LinkManager()
    {
        fs::create_directories(dir_ / "memory");
        fs::create_directories(dir_ / "pc");
        config.model = calcsim::SimModel::TI82;
        config.cablePath = VirtualCablePath(dir_).string();
        config.memoryDir = dir_ / "memory";
        manager = std::make_unique<TfrmLinkMan>(
            transfer, [] { return vf::CalcModel::TI82; }, dir_, Q(dir_ / "pc"));
        manager->show();
    }
    ~LinkManager() override
    {
        manager.reset();
        sim_.stop();
    }
    void startSim(std::vector<std::string> toSend = {}) { sim_.start(config, std::move(toSend)); }
    fs::path write(const fs::path &path, const std::vector<vf::VarEntry> &entries)
    {
        const auto bytes = vf::BuildVarFile(vf::CalcModel::TI82, vf::MakeComment("test"), entries);
        EXPECT_FALSE(vexil::base::WriteFileAtomically(path, *bytes));
        return path;
    }
    void writeText(const fs::path &path, const std::string &text)
    {
        EXPECT_FALSE(vexil::base::WriteFileAtomically(path, vf::Bytes(text.begin(), text.end())));
    }
    // Shows the folder's files again and selects these, as a user would.
    void select(const QStringList &names)
    {
        manager->FileListBox1->refresh();
        for (const QString &name : names) {
            const auto found = manager->FileListBox1->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1) << name.toStdString();
            found.front()->setSelected(true);
        }
    }
    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < manager->FileListBox1->count(); ++row) {
            names.append(manager->FileListBox1->item(row)->text());
        }
        return names;
    }
    // Drags the files over the calculator and lets go; the send runs to its end.
    void drop(const QStringList &files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files) {
            urls.append(QUrl::fromLocalFile(file));
        }
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(manager->Image1, &enter);
        hintWhileDragging = manager->Label4->isVisible() ? manager->Label4->text() : QString();
        QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(manager->Image1, &dropped);
        QCoreApplication::processEvents();
    }
    std::vector<QString> shownTexts()
    {
        std::vector<QString> texts;
        for (const auto &box : dialogs->shown) {
            texts.push_back(box.text);
        }
        return texts;
    }
    bool holds(uint8_t type, vf::VarName name) { return sim_->memory().find(type, name); }

    calcsim::SimConfig config;
    vexil::uibase::ScopedScriptedDialogs dialogs;
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir_ = scratch_.path();
    TfrmSendFile transfer{[this] { return LinkSettings{0, kPortVirtualCable, false, dir_}; }};
    std::unique_ptr<TfrmLinkMan> manager;
    QString hintWhileDragging;

private:
    test::SimOnCable sim_;
};

const vf::VarEntry kProgramHi{0x05, {'H', 'I'}, {0x02, 0x00, 0xDE, 0x2A}};
const vf::VarEntry kProgramYo{0x05, {'Y', 'O'}, {0x01, 0x00, 0xD9}};
const vf::VarEntry kRealA{0x00, {'A'}, vf::Bytes(9, 0x11)};

void BreakChecksum(const fs::path &file)
{
    vf::Bytes bytes = vexil::base::ReadWholeFile(file).bytes;
    bytes[bytes.size() - 1] ^= 0x5A;
    ASSERT_FALSE(vexil::base::WriteFileAtomically(file, bytes));
}

} // namespace

TEST_F(LinkManager, OneBackupGoesAsABackupButNotWithOtherFiles)
{
    startSim();
    const vf::Bytes section{9,    0, 1, 0,    0x0F, 1, 0,    1, 0, 0x24,
                            0x8D, 1, 0, 0xAA, 1,    0, 0xBB, 1, 0, 0xCC};
    const auto backup =
        vf::BuildVarFileFromSection(vf::CalcModel::TI82, vf::MakeComment(""), section);
    ASSERT_FALSE(vexil::base::WriteFileAtomically(dir_ / "pc" / "mem.82B", *backup));
    const fs::path program = write(dir_ / "pc" / "HI.82p", {kProgramHi});

    drop({Q(dir_ / "pc" / "mem.82B")});
    EXPECT_EQ(hintWhileDragging, "Send 1 file");
    EXPECT_TRUE(fs::exists(dir_ / "memory" / "Backup.82b"));
    EXPECT_TRUE(dialogs->shown.empty());

    drop({Q(program), Q(dir_ / "pc" / "mem.82B")});
    EXPECT_EQ(shownTexts(),
              std::vector<QString>{"Sorry, but you cannot send multiple files if one of them "
                                   "is a backup or a group."});
    EXPECT_FALSE(holds(0x05, kProgramHi.name));
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(LinkManager, FilesThatCannotGoAreLeftOutAndTheRestArrive)
{
    startSim();
    write(dir_ / "pc" / "HI.82p", {kProgramHi});
    writeText(dir_ / "pc" / "bad.82p", "**TI85**\x1A\n and more");
    writeText(dir_ / "pc" / "gone.82p", "**TI82**");
    write(dir_ / "pc" / "YO.82p", {kProgramYo});
    select({"HI.82p", "bad.82p", "gone.82p", "YO.82p"});
    fs::remove(dir_ / "pc" / "gone.82p"); // after it was chosen

    // The list's drag carries the selection in the order of the list.
    drop(manager->FileListBox1->selectedFiles());
    EXPECT_EQ(hintWhileDragging, "Send 4 files");
    EXPECT_EQ(shownTexts(),
              (std::vector<QString>{
                  "Sorry, but the file 'bad.82p' is not a valid TI-82 or TI-83 file.",
                  "Sorry, but the file 'gone.82p' could not be read: No such file or directory."}));
    EXPECT_TRUE(holds(0x05, kProgramHi.name));
    EXPECT_TRUE(holds(0x05, kProgramYo.name));

    // A double-click sends the file under the pointer, alone.
    dialogs->shown.clear();
    write(dir_ / "pc" / "A.82n", {kRealA});
    manager->FileListBox1->refresh();
    auto *list = manager->FileListBox1;
    const QRect row = list->visualItemRect(list->findItems("A.82n", Qt::MatchExactly).front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    QMouseEvent twice(QEvent::MouseButtonDblClick, row.center(),
                      list->viewport()->mapToGlobal(row.center()), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &twice);
    QCoreApplication::processEvents();
    EXPECT_EQ(transfer.windowTitle(), "Sending A.82n...");
    EXPECT_TRUE(holds(0x00, kRealA.name));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(LinkManager, DraggingShowsHowManyFilesWouldGoAndNothingSelectedBeeps)
{
    const fs::path a = write(dir_ / "pc" / "A.82n", {kRealA});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(Q(a)), QUrl::fromLocalFile(Q(a)), QUrl::fromLocalFile(Q(a))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(manager->Image1, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(manager->Label4->isVisible());
    EXPECT_EQ(manager->Label4->text(), "Send 3 files");
    EXPECT_EQ(manager->Image1->toolTip(), "Send 3 files");
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(manager->Image1, &leave);
    EXPECT_FALSE(manager->Label4->isVisible());
    EXPECT_EQ(manager->Image1->toolTip(), "Receive from Calculator");

    // A drag of anything but files (text, a folder) is not taken.
    QMimeData text;
    text.setText("hello");
    QDragEnterEvent enterText(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(manager->Image1, &enterText);
    EXPECT_FALSE(enterText.isAccepted());
    EXPECT_TRUE(CalculatorPicture::DraggedFiles(&text).isEmpty());
    QMimeData folder;
    folder.setUrls({QUrl::fromLocalFile(Q(dir_))});
    EXPECT_TRUE(CalculatorPicture::DraggedFiles(&folder).isEmpty());

    manager->sendFiles(manager->FileListBox1->selectedFiles());
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(LinkManager, ReceivingThreeVariablesLandsThreeFilesInTheShownFolder)
{
    write(dir_ / "memory" / "A.82n", {kRealA});
    write(dir_ / "memory" / "HI.82p", {kProgramHi});
    write(dir_ / "memory" / "YO.82p", {kProgramYo});
    startSim({"A.82n", "HI.82p", "YO.82p"});
    fs::create_directory(dir_ / "pc" / "in");
    manager->DirectoryListBox1->setDirectory(Q(dir_ / "pc" / "in"));
    EXPECT_EQ(manager->Label3->text(), Q(dir_ / "pc" / "in"));

    QTest::mouseClick(manager->Image1, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(transfer.windowTitle(), "Receiving...");
    EXPECT_EQ(listed(), (QStringList{"HI.82p", "RealA.82n", "YO.82p"}));
    for (const char *name : {"HI.82p", "RealA.82n", "YO.82p"}) {
        EXPECT_TRUE(fs::exists(dir_ / "pc" / "in" / name)) << name;
    }
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(LinkManager, FixChecksumRepairsEachFileAndSaysHowMany)
{
    const fs::path a = write(dir_ / "pc" / "A.82n", {kRealA});
    const vf::Bytes good = vexil::base::ReadWholeFile(a).bytes;
    BreakChecksum(a);
    const fs::path hi = write(dir_ / "pc" / "HI.82p", {kProgramHi});
    BreakChecksum(hi);
    writeText(dir_ / "pc" / "gone.82p", "**TI82**");

    select({"A.82n"});
    manager->Button3Click();
    EXPECT_EQ(vexil::base::ReadWholeFile(a).bytes, good);
    select({"A.82n"});
    manager->Button3Click();
    EXPECT_EQ(vexil::base::ReadWholeFile(a).bytes, good);
    EXPECT_EQ(shownTexts(),
              (std::vector<QString>{"Checksum has been updated.", "Checksum has been updated."}));

    dialogs->shown.clear();
    select({"A.82n", "HI.82p", "gone.82p"});
    fs::remove(dir_ / "pc" / "gone.82p");
    manager->Button3Click();
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_TRUE(
        dialogs->shown[0].text.startsWith("The checksum of gone.82p could not be updated.\n"));
    EXPECT_EQ(dialogs->shown[1].text, "Checksums in 2 files have been updated.");
    EXPECT_TRUE(vf::ParseVarFile(vexil::base::ReadWholeFile(hi).bytes).intact());

    manager->FileListBox1->clearSelection();
    manager->Button3Click();
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(LinkManager, CancelDuringAPendingCopyRestoresTheButtonsAndCopiesNothing)
{
    write(dir_ / "pc" / "A.82n", {kRealA});
    fs::create_directory(dir_ / "pc" / "to");
    // With nothing selected the first press does nothing.
    manager->Copy->click();
    EXPECT_EQ(manager->Copy->text(), "Copy");

    select({"A.82n"});
    manager->Copy->click();
    EXPECT_EQ(manager->Copy->text(), "Perform");
    EXPECT_TRUE(manager->Copy->isEnabled());
    for (QPushButton *other : {manager->Move, manager->Delete, manager->Rename, manager->CreateDir,
                               manager->DeleteDir, manager->Button3}) {
        EXPECT_FALSE(other->isEnabled()) << other->text().toStdString();
    }
    EXPECT_TRUE(manager->Label5->isVisible());
    EXPECT_EQ(manager->CancelButton->text(), "Cancel Copy");

    // The Delete key waits too, as its button does.
    QTest::keyClick(manager->FileListBox1, Qt::Key_Delete);
    EXPECT_TRUE(dialogs->shown.empty());
    manager->DirectoryListBox1->setDirectory(Q(dir_ / "pc" / "to"));
    manager->CancelButton->click();
    EXPECT_EQ(manager->Copy->text(), "Copy");
    for (QPushButton *button : {manager->Copy, manager->Move, manager->Delete, manager->Rename,
                                manager->CreateDir, manager->DeleteDir, manager->Button3}) {
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    }
    EXPECT_FALSE(manager->Label5->isVisible());
    EXPECT_FALSE(manager->CancelButton->isVisible());
    EXPECT_TRUE(fs::is_empty(dir_ / "pc" / "to"));
}

TEST_F(LinkManager, CopyAndMovePerformInTheFolderChosenThenAndAskBeforeReplacing)
{
    write(dir_ / "pc" / "A.82n", {kRealA});
    write(dir_ / "pc" / "HI.82p", {kProgramHi});
    fs::create_directory(dir_ / "pc" / "to");
    writeText(dir_ / "pc" / "to" / "HI.82p", "older");

    select({"A.82n", "HI.82p"});
    manager->Move->click();
    EXPECT_EQ(manager->CancelButton->text(), "Cancel Move");
    manager->DirectoryListBox1->setDirectory(Q(dir_ / "pc" / "to"));
    dialogs->answers = {Answer::No};
    manager->Move->click();
    EXPECT_EQ(shownTexts(), std::vector<QString>{"The file HI.82p already exists.  Overwrite?"});
    EXPECT_EQ(dialogs->shown[0].buttons, vexil::uibase::Buttons::YesNoCancel);
    EXPECT_TRUE(fs::exists(dir_ / "pc" / "to" / "A.82n"));
    EXPECT_FALSE(fs::exists(dir_ / "pc" / "A.82n"));
    EXPECT_TRUE(fs::exists(dir_ / "pc" / "HI.82p"));
    EXPECT_EQ(manager->Move->text(), "Move");
    EXPECT_EQ(listed(), (QStringList{"A.82n", "HI.82p"}));

    // Moving a file into the folder it is in is refused, and the file stays.
    dialogs->shown.clear();
    select({"A.82n"});
    manager->Move->click();
    manager->Move->click();
    EXPECT_EQ(shownTexts(), std::vector<QString>{"Could not move A.82n."});
    EXPECT_TRUE(fs::exists(dir_ / "pc" / "to" / "A.82n"));
}

TEST_F(LinkManager, DeleteAndRenameAskAndRefuseWhatTheyShould)
{
    write(dir_ / "pc" / "A.82n", {kRealA});
    write(dir_ / "pc" / "HI.82p", {kProgramHi});
    write(dir_ / "pc" / "YO.82p", {kProgramYo});

    select({"A.82n", "HI.82p"});
    manager->RenameClick();
    dialogs->answers = {Answer::No};
    manager->DeleteClick();
    EXPECT_EQ(shownTexts(), (std::vector<QString>{"Cannot rename more than one file at once.",
                                                  "Are you sure you wish to delete these files?"}));

    dialogs->shown.clear();
    select({"YO.82p"});
    dialogs->answers = {Answer::Yes};
    QTest::keyClick(manager->FileListBox1, Qt::Key_Delete);
    EXPECT_EQ(shownTexts(), std::vector<QString>{"Are you sure you wish to delete this file?"});
    EXPECT_FALSE(fs::exists(dir_ / "pc" / "YO.82p"));

    dialogs->shown.clear();
    select({"HI.82p"});
    dialogs->inputs = {"../HI.82p", "A.82n", "HELLO.82p"};
    manager->RenameClick();
    select({"HI.82p"});
    manager->RenameClick();
    select({"HI.82p"});
    manager->RenameClick();
    ASSERT_EQ(dialogs->inputRequests.size(), 3u);
    EXPECT_EQ(dialogs->inputRequests[0].title, "Rename File");
    EXPECT_EQ(dialogs->inputRequests[0].prompt, "Enter new filename for HI.82p:");
    EXPECT_EQ(shownTexts(),
              (std::vector<QString>{"Could not rename file.", "Could not rename file."}));
    EXPECT_FALSE(fs::exists(dir_ / "HI.82p"));
    EXPECT_EQ(listed(), (QStringList{"A.82n", "HELLO.82p"}));
    EXPECT_EQ(manager->FileListBox1->selectedFiles(), QStringList{Q(dir_ / "pc" / "HELLO.82p")});
}

TEST_F(LinkManager, FoldersAreCreatedInsideTheCurrentOneAndDeletedWhenEmpty)
{
    const QString pc = Q(dir_ / "pc");
    dialogs->inputs = {"../escaped", "sub"};
    manager->CreateDirClick();
    manager->CreateDirClick();
    EXPECT_EQ(dialogs->inputRequests[0].title, "Create Directory");
    EXPECT_EQ(dialogs->inputRequests[0].prompt,
              "Enter the name of the new directory to create under " + pc + ":");
    EXPECT_EQ(shownTexts(), std::vector<QString>{"Directory could not be created"});
    EXPECT_FALSE(fs::exists(dir_ / "escaped"));
    ASSERT_TRUE(fs::is_directory(dir_ / "pc" / "sub"));

    dialogs->shown.clear();
    writeText(dir_ / "pc" / "sub" / "keep.82p", "**TI82**");
    manager->DirectoryListBox1->setDirectory(pc + "/sub");
    dialogs->answers = {Answer::Yes, Answer::Ok};
    manager->DeleteDirClick();
    EXPECT_EQ(shownTexts(),
              (std::vector<QString>{"Are you sure you wish to delete the " + pc + "/sub directory?",
                                    "An error occurred while trying to delete the " + pc +
                                        "/sub directory.  The directory must be empty to be "
                                        "removed."}));
    EXPECT_EQ(manager->DirectoryListBox1->directory(), pc);

    fs::remove(dir_ / "pc" / "sub" / "keep.82p");
    manager->DirectoryListBox1->setDirectory(pc + "/sub");
    dialogs->answers = {Answer::Yes};
    manager->DeleteDirClick();
    EXPECT_FALSE(fs::exists(dir_ / "pc" / "sub"));
    EXPECT_EQ(manager->DirectoryListBox1->directory(), pc);
}

TEST_F(LinkManager, TheMaskAndFilterChooseWhatTheListShows)
{
    write(dir_ / "pc" / "A.82n", {kRealA});
    write(dir_ / "pc" / "HI.83P", {kProgramHi});
    writeText(dir_ / "pc" / "notes", "text");
    manager->FileListBox1->refresh();
    EXPECT_EQ(manager->Edit1->text(), "*.8??");
    EXPECT_EQ(listed(), (QStringList{"A.82n", "HI.83P"}));

    QComboBox *filters = manager->FilterComboBox1;
    ASSERT_EQ(filters->count(), 17);
    EXPECT_EQ(filters->itemText(0), "All Calculator Files");
    EXPECT_EQ(filters->itemText(16), "All Files");
    filters->setCurrentIndex(3); // Programs
    emit filters->activated(3);
    EXPECT_EQ(manager->Edit1->text(), "*.8?p");
    EXPECT_EQ(listed(), QStringList{"HI.83P"});
    emit filters->activated(16);
    EXPECT_EQ(listed(), (QStringList{"A.82n", "HI.83P", "notes"}));
    // A name without wildcards that the list shows selects that file.
    manager->Edit1->setText("HI.83P");
    QTest::keyClick(manager->Edit1, Qt::Key_Return);
    EXPECT_EQ(manager->FileListBox1->selectedFiles(), QStringList{Q(dir_ / "pc" / "HI.83P")});
    EXPECT_EQ(manager->Edit1->text(), "HI.83P");
    EXPECT_EQ(listed().size(), 3);

    manager->Edit1->setText("*.82?");
    QTest::keyClick(manager->Edit1, Qt::Key_Return);
    EXPECT_EQ(listed(), QStringList{"A.82n"});
    EXPECT_TRUE(manager->isVisible()); // Enter was the mask's, not a button's
    manager->Edit1->setText("notes");
    QTest::keyClick(manager->Edit1, Qt::Key_Return);
    EXPECT_EQ(listed(), QStringList{"notes"});
}
