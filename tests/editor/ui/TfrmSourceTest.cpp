// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFrame.h"

#include "base/ui/ScriptedDialogService.h"
#include "editor/ui/EditorFont.h"
#include "editor/ui/TfrmSource.h"
#include "editor/ui/TfrmText.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

using namespace vexil;
using editor::TfrmSource;
using uibase::Answer;

namespace {

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

class SourceWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeFrame frame{dir.path().toStdString()};
    uibase::ScopedScriptedDialogs dialogs;

    QString path(const QString &name) const { return dir.filePath(name); }
    TfrmSource *open(const QString &name)
    {
        auto *source = new TfrmSource(frame);
        source->FileName = path(name);
        source->setWindowTitle(name);
        EXPECT_TRUE(source->LoadFile(path(name)));
        frame.addDocument(source);
        return source;
    }
};

} // namespace

TEST_F(SourceWindowTest, ProgNameLineOnLoadAndSave)
{
    // Load: the prefix must match exactly; the line stays in the text.
    WriteFile(path("test.z80"), "; PROGNAME:X\r\nnop\r\n");
    TfrmSource *upper = open("test.z80");
    EXPECT_EQ(upper->ProgName, "");
    EXPECT_EQ(upper->Memo1->text(), "; PROGNAME:X\r\nnop\r\n");
    EXPECT_FALSE(upper->isModified());

    // Save with the default name: an existing line is removed.
    upper->ProgName = "TEST";
    ASSERT_TRUE(upper->SaveFile());
    EXPECT_EQ(ReadFile(path("test.z80")), "nop\r\n");

    // Save with another name: the line is inserted, then replaced.
    upper->ProgName = "GAME";
    ASSERT_TRUE(upper->SaveFile());
    EXPECT_EQ(ReadFile(path("test.z80")), "; Progname:GAME\r\nnop\r\n");
    upper->ProgName = "OTHER";
    ASSERT_TRUE(upper->SaveFile());
    EXPECT_EQ(ReadFile(path("test.z80")), "; Progname:OTHER\r\nnop\r\n");

    // Reloading reads the name back; every line ends in CR LF even when typed with LF.
    TfrmSource *again = open("test.z80");
    EXPECT_EQ(again->ProgName, "OTHER");
    again->Memo1->append("\nld a,1");
    ASSERT_TRUE(again->SaveFile());
    EXPECT_EQ(ReadFile(path("test.z80")), "; Progname:OTHER\r\nnop\r\n\r\nld a,1\r\n");
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(frame.recent.last(), path("test.z80"));
}

TEST_F(SourceWindowTest, SaveWithoutNameAsksAndFailedSaveKeepsTheOldFile)
{
    auto *source = new TfrmSource(frame);
    source->setWindowTitle("Untitled1");
    frame.addDocument(source);
    source->Memo1->setText("nop");

    // Cancelled dialog: nothing written, still no name.
    dialogs->fileNames.push_back("");
    EXPECT_FALSE(source->SaveFile());
    EXPECT_TRUE(source->FileName.isEmpty());
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].directory, dir.filePath("ash"));

    // A chosen name is written and becomes the caption.
    dialogs->fileNames.push_back(path("first.asm"));
    EXPECT_TRUE(source->SaveFile());
    EXPECT_EQ(source->windowTitle(), "first.asm");
    EXPECT_FALSE(source->isModified());

    // A write that cannot happen leaves the previous file and the modified flag, and says
    // why. A file-size limit fails the write for every user, root included.
    source->Memo1->setText("changed");
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = previous;
    tiny.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool saved = source->SaveFile();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(source->isModified());
    EXPECT_EQ(ReadFile(path("first.asm")), "nop\r\n");
    ASSERT_FALSE(dialogs->shown.empty());
    EXPECT_EQ(dialogs->shown.back().kind, uibase::MessageKind::Error);
}

TEST_F(SourceWindowTest, CloseQueryAnswers)
{
    WriteFile(path("a.asm"), "nop\r\n");
    TfrmSource *source = open("a.asm");

    // A clean window closes without a question.
    EXPECT_TRUE(source->CloseQuery());
    EXPECT_TRUE(dialogs->shown.empty());

    source->Memo1->setText("ld a,2");
    // Cancel keeps the window.
    dialogs->answers.push_back(Answer::Cancel);
    EXPECT_FALSE(source->CloseQuery());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, path("a.asm") + " has changed.  Save now?");
    EXPECT_EQ(dialogs->shown[0].buttons, uibase::Buttons::YesNoCancel);
    // No closes without writing.
    dialogs->answers.push_back(Answer::No);
    EXPECT_TRUE(source->CloseQuery());
    EXPECT_EQ(ReadFile(path("a.asm")), "nop\r\n");
    // Yes saves and closes.
    dialogs->answers.push_back(Answer::Yes);
    EXPECT_TRUE(source->CloseQuery());
    EXPECT_EQ(ReadFile(path("a.asm")), "ld a,2\r\n");

    // Yes on a new window whose save dialog is cancelled keeps it open; the question
    // names the caption.
    auto *fresh = new TfrmSource(frame);
    fresh->setWindowTitle("Untitled4");
    fresh->Memo1->setText("x");
    dialogs->answers.push_back(Answer::Yes);
    dialogs->fileNames.push_back("");
    EXPECT_FALSE(fresh->CloseQuery());
    EXPECT_EQ(dialogs->shown.back().text, "Untitled4 has changed.  Save now?");
    delete fresh;

    // A listing window always closes and never writes.
    auto *listing = open("a.asm");
    listing->makeListing();
    listing->Memo1->setReadOnly(false);
    listing->Memo1->setText("changed");
    EXPECT_TRUE(listing->CloseQuery());
    EXPECT_TRUE(listing->SaveFile());
    EXPECT_EQ(ReadFile(path("a.asm")), "ld a,2\r\n");
}

TEST_F(SourceWindowTest, ErrorListJumpSelectsTheWholeLine)
{
    WriteFile(path("main.asm"), "first line\r\nsecond\r\nthird one\r\n");
    WriteFile(path("Other.inc"), "; Progname:GAME\r\nbb\r\nccc\r\n");
    TfrmSource *source = open("main.asm");
    EXPECT_FALSE(source->errorListShown());
    source->setErrors({"main.asm line 0001: label not found", "main.asm line 00x3: bad",
                       "other.inc line 0003: unknown opcode"});
    EXPECT_TRUE(source->errorListShown());
    EXPECT_EQ(source->ListBox1->height(), 44);

    auto selection = [](TfrmSource *w) {
        return std::pair(w->Memo1->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART),
                         w->Memo1->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND));
    };

    // Nothing happens without a selected entry.
    source->jumpToSelectedError();
    EXPECT_EQ(selection(source), std::pair(0L, 0L));

    // Line 1 is selected from offset 0 to its end.
    source->ListBox1->setCurrentRow(0);
    source->Memo1->SendScintilla(QsciScintilla::SCI_SETSEL, 14, 14);
    source->jumpToSelectedError();
    EXPECT_EQ(selection(source), std::pair(0L, 10L));

    // A line number that is not a number changes nothing.
    source->Memo1->SendScintilla(QsciScintilla::SCI_SETSEL, 14, 14);
    source->ListBox1->setCurrentRow(1);
    source->jumpToSelectedError();
    EXPECT_EQ(selection(source), std::pair(14L, 14L));

    // A file not open yet is opened beside this one (its lower-cased name found in
    // the folder) with its program name, so saving it keeps that first line; line 3
    // starts after two lines and their CR LF.
    source->ListBox1->setCurrentRow(2);
    source->jumpToSelectedError();
    ASSERT_EQ(frame.mdiArea().subWindowList().size(), 2);
    auto *opened = qobject_cast<TfrmSource *>(frame.mdiArea().subWindowList().at(1)->widget());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->FileName, path("Other.inc"));
    EXPECT_EQ(opened->ProgName, "GAME");
    EXPECT_EQ(selection(opened), std::pair(21L, 24L));

    // Jumping again reuses the open window.
    source->jumpToSelectedError();
    EXPECT_EQ(frame.mdiArea().subWindowList().size(), 2);

    source->hideErrorList();
    EXPECT_FALSE(source->errorListShown());

    // Errors that arrive before the window has its size still leave the editor the room.
    auto *early = new TfrmSource(frame);
    early->setErrors({"x.asm line 0001: bad"});
    frame.addDocument(early);
    early->parentWidget()->resize(400, 300);
    early->show();
    QApplication::processEvents();
    EXPECT_EQ(early->ListBox1->height(), 44);
    EXPECT_GT(early->Memo1->height(), 150);
}

TEST_F(SourceWindowTest, TextWindowKeepsLatin1BytesAndEditCommandsWork)
{
    WriteFile(path("old.txt"), "caf\xE9\r\n");
    auto *text = new editor::TfrmText(frame);
    text->FileName = path("old.txt");
    ASSERT_TRUE(text->LoadFile(text->FileName));
    frame.addDocument(text);
    EXPECT_EQ(text->Memo1->text(), QString::fromUtf8("caf\xC3\xA9\r\n"));
    text->Memo1->append("more");
    ASSERT_TRUE(text->SaveFile());
    EXPECT_EQ(ReadFile(path("old.txt")), "caf\xE9\r\nmore\r\n");

    EXPECT_TRUE(text->runEditCommand(uibase::EditCommand::SelectAll));
    EXPECT_TRUE(text->runEditCommand(uibase::EditCommand::Delete));
    EXPECT_EQ(text->Memo1->text(), "");

    // A missing file is reported, not loaded.
    auto *missing = new editor::TfrmText(frame);
    EXPECT_FALSE(missing->LoadFile(path("nothing.txt")));
    EXPECT_EQ(dialogs->shown.back().kind, uibase::MessageKind::Error);
    delete missing;
}

TEST_F(SourceWindowTest, EditorFontSizesUpToFiveHundredPoints)
{
    frame.options_.fontSize = 500;
    EXPECT_EQ(editor::EditorFont(frame.options_).pointSize(), 500);
    auto *source = new TfrmSource(frame);
    frame.addDocument(source);
    EXPECT_EQ(source->Memo1->lexer()->defaultFont().pointSize(), 500);
    // What the Options dialog refuses only comes from a damaged file: the default size.
    frame.options_.fontSize = 501;
    EXPECT_EQ(editor::EditorFont(frame.options_).pointSize(), 10);
}

// Last in this file: the height it drags to stays for the rest of the process.
TEST_F(SourceWindowTest, ErrorListCanBeDraggedTallerAndKeepsItsHeight)
{
    WriteFile(path("tall.asm"), "nop\r\n");
    TfrmSource *source = open("tall.asm");
    source->parentWidget()->resize(500, 400);
    source->setErrors({"tall.asm line 0001: bad"});
    QApplication::processEvents();
    ASSERT_EQ(source->ListBox1->height(), 44);

    QSplitterHandle *handle = source->Splitter1->handle(1);
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(10, 1));
    QTest::mouseMove(handle, QPoint(10, -100));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(10, -100));
    const int dragged = source->ListBox1->height();
    EXPECT_GE(dragged, 140);

    // Hidden and shown by the next failed assembly, and in another source window.
    source->hideErrorList();
    source->setErrors({"tall.asm line 0002: bad"});
    QApplication::processEvents();
    EXPECT_EQ(source->ListBox1->height(), dragged);
    WriteFile(path("other.asm"), "nop\r\n");
    TfrmSource *other = open("other.asm");
    other->parentWidget()->resize(500, 400);
    QApplication::processEvents();
    other->setErrors({"other.asm line 0001: bad"});
    QApplication::processEvents();
    EXPECT_EQ(other->ListBox1->height(), dragged);
}
