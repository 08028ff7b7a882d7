// SPDX-License-Identifier: GPL-3.0-or-later
// The Search menu and File > Print through the main window, its real document
// windows and the scripted dialog service.
#include "app/ui/DocumentManager.h"
#include "app/ui/TForm1.h"
#include "base/FileIo.h"
#include "base/ui/DocumentPrint.h"
#include "base/ui/ScriptedDialogService.h"
#include "base/ui/StatusPanel.h"
#include "editor/search/ui/EditorSearchText.h"
#include "editor/search/ui/SearchMenu.h"
#include "editor/search/ui/TfrmFind.h"
#include "editor/search/ui/TfrmReplace.h"
#include "editor/ui/TfrmSource.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace vexil;
using editor::TextRange;
using editor::TfrmSource;

namespace {

class SearchAndPrintTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    app::TForm1 form{dir.path().toStdString()};
    app::MainActions &a = form.actions();

    void SetUp() override { form.show(); }

    TfrmSource *openSource(const QString &name, const QByteArray &text)
    {
        writeFile(name, text);
        return qobject_cast<TfrmSource *>(form.openFile(dir.filePath(name)));
    }
    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A TI-83 file with one variable.
    void writeVariable(const QString &name, std::uint8_t type, std::vector<std::uint8_t> varName,
                       varfile::Bytes data) const
    {
        varfile::VarEntry entry;
        entry.typeId = type;
        std::copy(varName.begin(), varName.end(), entry.name.begin());
        entry.data = std::move(data);
        const auto bytes =
            varfile::BuildVarFile(varfile::CalcModel::TI83, varfile::MakeComment(""), {entry});
        ASSERT_TRUE(bytes.has_value());
        ASSERT_FALSE(base::WriteFileAtomically(dir.filePath(name).toStdString(), *bytes));
    }

    static TextRange selection(TfrmSource *source)
    {
        return editor::EditorSearchText(*source->Memo1).selection();
    }
    editor::TfrmFind &find() { return form.search().findDialog(); }
    editor::TfrmReplace &replace() { return form.search().replaceDialog(); }
    QString lastMessage()
    {
        return dialogs->shown.empty() ? QString() : dialogs->shown.back().text;
    }

    // What pdftotext reads from a PDF, blanks between words made one.
    static std::string pdfText(const QString &pdf)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        EXPECT_FALSE(tool.isEmpty()) << "pdftotext is missing (scripts/install-deps.sh)";
        QProcess process;
        process.start(tool, {QStringLiteral("-layout"), QStringLiteral("-enc"),
                             QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        process.waitForFinished(30000);
        QStringList lines;
        for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
            const QString simple = line.simplified();
            if (!simple.isEmpty()) {
                lines << simple;
            }
        }
        return lines.join('\n').toStdString();
    }
};

} // namespace

TEST_F(SearchAndPrintTest, FindDialogWalksTheMatchesWithEnterAndWraps)
{
    TfrmSource *source = openSource("walk.asm", "abc abc");
    ASSERT_NE(source, nullptr);
    a.find->trigger();
    ASSERT_TRUE(find().isVisible());
    EXPECT_FALSE(find().findNextButton()->isEnabled());
    QTest::keyClicks(find().findText(), "abc");

    QTest::keyClick(find().findText(), Qt::Key_Return);
    EXPECT_EQ(selection(source), (TextRange{0, 3}));
    QTest::keyClick(find().findText(), Qt::Key_Return);
    EXPECT_EQ(selection(source), (TextRange{4, 3}));
    EXPECT_TRUE(dialogs->shown.empty());
    QTest::keyClick(find().findText(), Qt::Key_Return);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "The specified text could not be found!");
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Information);
    QTest::keyClick(find().findText(), Qt::Key_Return);
    EXPECT_EQ(selection(source), (TextRange{0, 3}));

    QTest::keyClick(find().findText(), Qt::Key_Escape);
    EXPECT_FALSE(find().isVisible());
    EXPECT_EQ(source->Memo1->text(), "abc abc");
}

TEST_F(SearchAndPrintTest, SearchAgainCountsEachLineBreakAsTwoAndMatchesWords)
{
    // Lines ending in LF alone on disk: offsets are as in the editor's CR LF text.
    TfrmSource *source = openSource("lf.asm", "LD a,0\nld b,ldir\nld c,1\n");
    ASSERT_NE(source, nullptr);
    a.searchAgain->trigger();
    EXPECT_TRUE(find().isVisible()) << "nothing to search for yet: the find dialog opens";
    find().findText()->setText("ld");
    find().close();

    a.searchAgain->trigger();
    EXPECT_EQ(selection(source), (TextRange{0, 2}));
    a.searchAgain->trigger();
    EXPECT_EQ(selection(source), (TextRange{8, 2}));

    // Whole words in the right case only: not LD, not the ld of ldir.
    find().matchCase()->setChecked(true);
    find().wholeWord()->setChecked(true);
    source->Memo1->setCursorPosition(0, 0);
    a.searchAgain->trigger();
    EXPECT_EQ(selection(source), (TextRange{8, 2}));
    a.searchAgain->trigger();
    EXPECT_EQ(selection(source), (TextRange{19, 2}));
    a.searchAgain->trigger();
    EXPECT_EQ(lastMessage(), "The specified text could not be found!");
    // After a failed one the next starts at the top.
    a.searchAgain->trigger();
    EXPECT_EQ(selection(source), (TextRange{8, 2}));
}

TEST_F(SearchAndPrintTest, ReplaceAllCountsAndClosesTheDialog)
{
    TfrmSource *source = openSource("aaa.asm", "aaa");
    ASSERT_NE(source, nullptr);
    a.replace->trigger();
    ASSERT_TRUE(replace().isVisible());
    EXPECT_TRUE(replace().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(replace().CheckBox3->isChecked());
    for (QPushButton *button : {replace().Button1, replace().Button2, replace().Button3}) {
        EXPECT_FALSE(button->isEnabled());
    }
    QTest::keyClicks(replace().Edit1, "a");
    EXPECT_TRUE(replace().Button3->isEnabled());
    replace().Edit2->setText("aa");
    replace().Button3->click();
    EXPECT_EQ(lastMessage(), "3 replacements made.");
    EXPECT_EQ(source->Memo1->text(), "aaaaaa");
    EXPECT_FALSE(replace().isVisible());
    // One step undoes them all.
    source->Memo1->undo();
    EXPECT_EQ(source->Memo1->text(), "aaa");

    // The dialog is the same one and keeps its texts.
    TfrmSource *one = openSource("one.asm", "xay");
    a.replace->trigger();
    EXPECT_EQ(replace().Edit1->text(), "a");
    replace().Edit2->setText("b");
    replace().Button3->click();
    EXPECT_EQ(lastMessage(), "1 replacement made.");
    EXPECT_EQ(one->Memo1->text(), "xby");

    a.replace->trigger();
    replace().Edit1->setText("q");
    replace().Button3->click();
    EXPECT_EQ(lastMessage(), "The specified text could not be found!");
}

TEST_F(SearchAndPrintTest, ReplaceInTheSelectionOnly)
{
    TfrmSource *source = openSource("sel.asm", "a a\r\na a\r\na a");
    ASSERT_NE(source, nullptr);
    source->Memo1->setSelection(1, 0, 1, 3);
    a.replace->trigger();
    EXPECT_TRUE(replace().CheckBox3->isChecked());
    replace().Edit1->setText("a");
    replace().Edit2->setText("bb");

    // Find Next and Replace step through the selection, then say there is no more.
    replace().Button1->click();
    EXPECT_EQ(selection(source), (TextRange{5, 1}));
    replace().Button2->click();
    replace().Button2->click();
    EXPECT_EQ(source->Memo1->text(), "a a\r\nbb bb\r\na a");
    EXPECT_TRUE(dialogs->shown.empty());
    replace().Button2->click();
    EXPECT_EQ(lastMessage(), "The specified text could not be found!");

    // Replace All on a fresh selection of the last two lines leaves the first alone.
    source->Memo1->setSelection(1, 0, 2, 3);
    replace().Edit2->setText("c");
    replace().Button3->click();
    EXPECT_EQ(lastMessage(), "2 replacements made.");
    EXPECT_EQ(source->Memo1->text(), "a a\r\nbb bb\r\nc c");
}

TEST_F(SearchAndPrintTest, GoToLine)
{
    TfrmSource *source = openSource("lines.asm", "one\r\ntwo\r\nthree");
    ASSERT_NE(source, nullptr);
    const auto go = [&](const QString &answer) {
        dialogs->inputs.push_back(answer);
        a.goToLine->trigger();
        return selection(source);
    };
    EXPECT_EQ(go("1"), (TextRange{0, 3}));
    ASSERT_EQ(dialogs->inputRequests.size(), 1u);
    EXPECT_EQ(dialogs->inputRequests[0].title, "Go to Line");
    EXPECT_EQ(dialogs->inputRequests[0].prompt, "Enter line number to go to:");
    EXPECT_EQ(dialogs->inputRequests[0].initial, "");
    EXPECT_EQ(go("2"), (TextRange{5, 3}));

    // Nothing moves for 32768, 0, a negative number, text or Cancel.
    EXPECT_EQ(go("32768"), (TextRange{5, 3}));
    EXPECT_EQ(lastMessage(), "Sorry, can't go to line numbers of 32K and above.");
    EXPECT_EQ(dialogs->shown.back().kind, uibase::MessageKind::Warning);
    for (const QString &answer :
         {QStringLiteral("0"), QStringLiteral("-2"), QStringLiteral("two"), QString()}) {
        EXPECT_EQ(go(answer), (TextRange{5, 3})) << answer.toStdString();
    }
    EXPECT_EQ(dialogs->shown.size(), 1u);

    // Beyond the end: the last line.
    EXPECT_EQ(go("99"), (TextRange{10, 5}));
}

TEST_F(SearchAndPrintTest, CommandsOnlyForTheWindowsTheyApplyTo)
{
    EXPECT_EQ(a.find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(a.replace->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(a.searchAgain->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(a.goToLine->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
    EXPECT_EQ(a.print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(a.toolBar->actions().contains(a.find));

    const auto enabled = [&] {
        a.fileMenu->aboutToShow();
        a.searchMenu->aboutToShow();
        return std::pair(a.print->isEnabled(), a.find->isEnabled() && a.replace->isEnabled() &&
                                                   a.searchAgain->isEnabled() &&
                                                   a.goToLine->isEnabled());
    };
    // No window, then a string window: nothing to search or print; asked anyway, a beep.
    EXPECT_EQ(enabled(), std::pair(false, false));
    writeVariable("Str1.83s", 0x04, {0xAA, 0x00}, {0x01, 0x00, 0x41});
    ASSERT_NE(form.openFile(dir.filePath("Str1.83s")), nullptr);
    EXPECT_EQ(enabled(), std::pair(false, false));
    form.search().Find1Click();
    form.search().GoToLine1Click();
    form.documents().print();
    EXPECT_EQ(dialogs->beeps, 3);
    EXPECT_FALSE(find().isVisible());
    EXPECT_TRUE(dialogs->inputRequests.empty());

    // A program prints but has no Search commands; text windows have both.
    writeVariable("PROG.83p", 0x05, {'P'}, {0x01, 0x00, 0x31});
    ASSERT_NE(form.openFile(dir.filePath("PROG.83p")), nullptr);
    EXPECT_EQ(enabled(), std::pair(true, false));
    writeFile("notes.txt", "text");
    ASSERT_NE(form.openFile(dir.filePath("notes.txt")), nullptr);
    EXPECT_EQ(enabled(), std::pair(true, true));
}

TEST_F(SearchAndPrintTest, PrintsToAPdfFileWithTheCaptionAsTitle)
{
    const QByteArray text = "; Progname:GAME\r\n\tld a,0\r\n\tcall _puts\t; show it\r\n\tret\r\n";
    ASSERT_NE(openSource("print.asm", text), nullptr);
    const QString pdf = dir.filePath("print.pdf");
    dialogs->printFiles.push_back(pdf);
    form.statusPanel().showPlain("busy");
    a.print->trigger();
    ASSERT_EQ(dialogs->printRequests.size(), 1u);
    EXPECT_EQ(dialogs->printRequests[0], "print.asm");
    EXPECT_EQ(form.statusPanel().text(), "");
    // Tabs move along the line, as in the editor, and break none.
    EXPECT_EQ(pdfText(pdf), "; Progname:GAME\nld a,0\ncall _puts ; show it\nret");

    // Cancelled: nothing printed, the status panel as it was.
    dialogs->printFiles.push_back(QString());
    form.statusPanel().showPlain("busy");
    a.print->trigger();
    EXPECT_EQ(form.statusPanel().text(), "busy");
}

TEST_F(SearchAndPrintTest, ProgramsPrintInTheCalculatorGlyphs)
{
    // 1→θ and Disp "π": the store arrow, theta and pi as on the calculator.
    writeVariable("GLYPHS.83p", 0x05, {'G'},
                  {0x08, 0x00, 0x31, 0x04, 0x5B, 0x3F, 0xDE, 0x2A, 0xAC, 0x2A});
    ASSERT_NE(form.openFile(dir.filePath("GLYPHS.83p")), nullptr);
    const QString pdf = dir.filePath("glyphs.pdf");
    dialogs->printFiles.push_back(pdf);
    a.print->trigger();
    EXPECT_EQ(pdfText(pdf), "1→θ\nDisp \"π\"");
}

TEST_F(SearchAndPrintTest, SourcesUnderTheirCommunityExtensions)
{
    for (const QString &name : {QStringLiteral("game.z80"), QStringLiteral("game.a80")}) {
        TfrmSource *source = openSource(name, "\tret\r\n");
        ASSERT_NE(source, nullptr) << name.toStdString();
        a.toolsMenu->aboutToShow();
        EXPECT_TRUE(a.assemble->isEnabled());
    }
    dialogs->fileNames.push_back(QString());
    form.openWithDialog();
    ASSERT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_TRUE(dialogs->fileRequests[0].filter.contains("*.z80;*.a80"));

    // A new source offers them when it is first saved.
    form.documents().newSource();
    dialogs->fileNames.push_back(QString());
    form.documents().save();
    ASSERT_EQ(dialogs->fileRequests.size(), 2u);
    EXPECT_TRUE(dialogs->fileRequests[1].filter.contains("*.z80"));
}
