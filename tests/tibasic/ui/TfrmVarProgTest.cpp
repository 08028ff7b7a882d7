// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ui/TfrmVarProg.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "tibasic/ProgramFile.h"
#include "tibasic/Tokenizer.h"
#include "tibasic/ui/TokenTextEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace vexil::tibasic::ui {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::Word;
using testing::WriteBytes;
using uibase::ScopedScriptedDialogs;

class ProgramEditor : public ::testing::Test {
protected:
    QString saveNew(const QString &name)
    {
        const QString path = frame.path(name);
        dialogs->fileNames.push_back(path);
        return path;
    }

    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarProg83 program{frame};
};

TEST_F(ProgramEditor, EmptyProgramIsA74ByteFile)
{
    program.prepareNew(false, 2);
    EXPECT_EQ(program.windowTitle(), "Untitled2 [TI-83 Program]");
    EXPECT_EQ(program.nameBox()->text(), "UNTITLED");
    const QString path = saveNew(QStringLiteral("empty.83p"));
    ASSERT_TRUE(program.SaveFile());
    EXPECT_EQ(dialogs->fileRequests[0].filter, "TI-83 Programs (*.83p)|*.83p|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs->fileRequests[0].title, "Save TI-83 Program");
    EXPECT_EQ(dialogs->fileRequests[0].defaultSuffix, "83p");
    EXPECT_EQ(program.windowTitle(), "empty.83p [TI-83 Program]");

    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 74u);
    EXPECT_EQ(Word(bytes, 53), 17);
    EXPECT_EQ(Word(bytes, 57), 2);
    EXPECT_EQ(Word(bytes, 68), 2);
    EXPECT_EQ(Word(bytes, 70), 0);
    unsigned sum = 0;
    for (std::size_t i = 55; i <= 71; ++i) {
        sum += bytes[i];
    }
    EXPECT_EQ(Word(bytes, 72), sum & 0xFFFF);
}

TEST_F(ProgramEditor, NamesWithThetaAndZeroBytes)
{
    program.nameBox()->setText(QStringLiteral("A@"));
    program.protectedBox()->setChecked(true);
    program.textBox()->setPlainText(QStringLiteral("Disp 1"));
    const QString path = saveNew(QStringLiteral("theta.83p"));
    ASSERT_TRUE(program.SaveFile());
    auto bytes = ReadBytes(path);
    EXPECT_EQ(bytes[59], 6);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 60, bytes.begin() + 68)),
              (std::vector<std::uint8_t>{0x41, 0x5B, 0, 0, 0, 0, 0, 0}));

    TfrmVarProg83 reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.nameBox()->text(), "A@");
    EXPECT_TRUE(reloaded.protectedBox()->isChecked());
    EXPECT_EQ(reloaded.textBox()->toPlainText(), "Disp 1");

    // θ typed or pasted into the name is theta as well.
    reloaded.nameBox()->setText(QStringLiteral("Bθ"));
    ASSERT_TRUE(reloaded.SaveFile());
    EXPECT_EQ(ReadBytes(path)[61], 0x5B);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.nameBox()->text(), "B@");

    // Zero bytes inside the name are dropped.
    bytes[61] = 0x00;
    bytes[62] = 'B';
    WriteBytes(path, bytes);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.nameBox()->text(), "AB");
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(ProgramEditor, StoredLengthsAreNotTrusted)
{
    // Every byte between the program length and the checksum is program, whatever
    // the length fields and the entry header say.
    Program stored;
    stored.name = "STALE";
    stored.tokens = {0x31, 0x04, 0x41, 0x3F, 0x32};
    auto bytes = *BuildProgramFile(varfile::CalcModel::TI83, stored);
    bytes[55] = 0x0D;
    bytes[57] = 0x00;
    bytes[70] = 0x01;
    bytes[59] = 0x06;
    bytes[65] = 0xC1; // a name byte of the calculator's own character set
    const QString path = frame.path(QStringLiteral("stale.83p"));
    WriteBytes(path, bytes);
    ASSERT_TRUE(program.LoadFile(path));
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(program.textBox()->toPlainText(), "1→A\n2");
    EXPECT_TRUE(program.protectedBox()->isChecked());
    EXPECT_EQ(program.nameBox()->text(), QStringLiteral("STALE") + QChar(0xC1));
    EXPECT_FALSE(program.isModified());

    // The name's own bytes go back unchanged.
    ASSERT_TRUE(program.SaveFile());
    const auto saved = ReadBytes(path);
    EXPECT_EQ(saved[65], 0xC1);
    EXPECT_EQ(Word(saved, 70), 5);

    // Without room for the program length and the checksum the file is damaged.
    bytes.resize(72);
    WriteBytes(path, bytes);
    EXPECT_TRUE(program.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Error reading program file.");
    EXPECT_TRUE(program.textBox()->toPlainText().isEmpty());
    EXPECT_EQ(program.nameBox()->text(), QStringLiteral("STALE") + QChar(0xC1));
}

TEST_F(ProgramEditor, ShortFileKeepsAnEmptyCleanWindow)
{
    const QString path = frame.path(QStringLiteral("short.83p"));
    WriteBytes(path, std::vector<std::uint8_t>(59, 0x2A));
    EXPECT_TRUE(program.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Error reading program file.");
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Error);
    EXPECT_TRUE(program.textBox()->toPlainText().isEmpty());
    EXPECT_EQ(program.nameBox()->text(), "UNTITLED");
    EXPECT_FALSE(program.isModified());
    EXPECT_EQ(program.windowTitle(), "short.83p [TI-83 Program]");
}

TEST_F(ProgramEditor, InvalidTokenLeavesFilesAlone)
{
    // A new program: no file appears, the caret is on character 17.
    program.textBox()->insertPlainText(QStringLiteral("ABCDEFGHIJKLMNOPq"));
    const QString path = saveNew(QStringLiteral("new.83p"));
    EXPECT_FALSE(program.SaveFile());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Invalid program token found.");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(program.textBox()->textCursor().position(), 16);
    EXPECT_FALSE(program.textBox()->textCursor().hasSelection());
    EXPECT_TRUE(program.isModified());
    EXPECT_TRUE(program.FileName.isEmpty());

    // An existing file keeps its previous bytes.
    program.textBox()->setPlainText(QStringLiteral("1"));
    saveNew(QStringLiteral("new.83p"));
    ASSERT_TRUE(program.SaveFile());
    const auto before = ReadBytes(path);
    // 𝑒 is two UTF-16 units and the line break one: the caret still finds "q".
    program.textBox()->setPlainText(QStringLiteral("𝑒\nq"));
    EXPECT_FALSE(program.SaveFile());
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(program.textBox()->textCursor().position(), 3);
    // A character with no Keyboard Font code at all.
    program.textBox()->setPlainText(QStringLiteral("12€"));
    EXPECT_FALSE(program.SaveFile());
    EXPECT_EQ(program.textBox()->textCursor().position(), 2);
}

TEST_F(ProgramEditor, OnlyTextChangesAskBeforeClosing)
{
    EXPECT_TRUE(program.CloseQuery());
    program.protectedBox()->setChecked(true);
    program.nameBox()->setText(QStringLiteral("OTHER"));
    EXPECT_TRUE(program.CloseQuery());
    EXPECT_TRUE(dialogs->shown.empty());

    QTest::keyClicks(program.textBox(), QStringLiteral("1"));
    dialogs->answers.push_back(uibase::Answer::No);
    EXPECT_TRUE(program.CloseQuery());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "TI-83 Program has changed.  Save now?");
}

TEST_F(ProgramEditor, GlyphsTabAndClipboard)
{
    // 1 → A, √(, π, ≠, θ, L₁ and a line break, as the tokens of a TI-83 program.
    Program stored;
    stored.name = "GLYPHS";
    stored.tokens = {0x31, 0x04, 0x41, 0x3F, 0xBC, 0xAC, 0x11, 0x6F, 0x5B, 0x3F, 0x5D, 0x00};
    const QString path = frame.path(QStringLiteral("glyphs.83p"));
    WriteBytes(path, *BuildProgramFile(varfile::CalcModel::TI83, stored));
    ASSERT_TRUE(program.LoadFile(path));
    EXPECT_EQ(program.textBox()->toPlainText(), "1→A\n√(π)≠θ\nL₁");
    EXPECT_EQ(program.textBox()->textCursor().position(), 0);

    // Tab types the store arrow.
    program.textBox()->moveCursor(QTextCursor::End);
    QTest::keyClick(program.textBox(), Qt::Key_Tab);
    QTest::keyClicks(program.textBox(), QStringLiteral("B"));
    EXPECT_TRUE(program.textBox()->toPlainText().endsWith("L₁→B"));

    // Copy gives Unicode text; pasting the web's ASCII spelling gives the glyph.
    program.textBox()->selectAll();
    ASSERT_TRUE(program.runEditCommand(uibase::EditCommand::Copy));
    EXPECT_EQ(QApplication::clipboard()->text(), program.textBox()->toPlainText());
    QApplication::clipboard()->setText(QStringLiteral("\n2->C"));
    program.textBox()->moveCursor(QTextCursor::End);
    ASSERT_TRUE(program.runEditCommand(uibase::EditCommand::Paste));
    EXPECT_TRUE(program.textBox()->toPlainText().endsWith("L₁→B\n2→C"));

    ASSERT_TRUE(program.SaveFile());
    const auto loaded = LoadProgramFile(ReadBytes(path));
    ASSERT_TRUE(loaded.ok());
    std::vector<std::uint8_t> expected = stored.tokens;
    for (std::uint8_t byte : {0x04, 0x42, 0x3F, 0x32, 0x04, 0x43}) {
        expected.push_back(byte);
    }
    EXPECT_EQ(loaded.program.tokens, expected);
}

TEST(Ti82ProgramEditor, UsesTheTi82TextsAndTokens)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarProg82 program(frame);
    EXPECT_EQ(program.windowTitle(), "TI-82 Program");
    program.textBox()->insertPlainText(QStringLiteral("QuadReg "));
    dialogs->answers.push_back(uibase::Answer::Cancel);
    EXPECT_FALSE(program.CloseQuery());
    EXPECT_EQ(dialogs->shown[0].text, "TI-82 Program has changed.  Save now?");

    const QString path = frame.path(QStringLiteral("quad.82p"));
    dialogs->fileNames.push_back(path);
    ASSERT_TRUE(program.SaveFile());
    EXPECT_EQ(dialogs->fileRequests[0].filter, "TI-82 Programs (*.82p)|*.82p|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs->fileRequests[0].title, "Save TI-82 Program");
    EXPECT_EQ(dialogs->fileRequests[0].defaultSuffix, "82p");
    EXPECT_EQ(program.windowTitle(), "quad.82p [TI-82 Program]");

    const auto bytes = ReadBytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "**TI82**");
    const auto ti82 = EncodeTokens(varfile::CalcModel::TI82, "QuadReg ").tokens;
    ASSERT_NE(ti82, EncodeTokens(varfile::CalcModel::TI83, "QuadReg ").tokens);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 72, bytes.end() - 2), ti82);

    TfrmVarProg82 reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.textBox()->toPlainText(), "QuadReg ");
}

// Z80 code stored as a TI-83 program: ld hl,0 / ret.
const std::vector<std::uint8_t> kCode = {0x21, 0x00, 0x00, 0xC9};

TEST_F(ProgramEditor, TokensThatWouldNotComeBackAreNotSavedUnasked)
{
    Program stored;
    stored.name = "ASM";
    stored.tokens = kCode;
    const QString path = frame.path(QStringLiteral("asm.83p"));
    const auto original = *BuildProgramFile(varfile::CalcModel::TI83, stored);
    WriteBytes(path, original);

    ASSERT_TRUE(program.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Warning);
    EXPECT_EQ(dialogs->shown[0].text,
              path + "\n\nThe tokens do not decode reversibly at 2 places, the first at byte "
                     "offset 73 (0x49): an assembly program or tokens of another calculator?"
                     "\n\nSaving will change those bytes.");
    EXPECT_FALSE(program.isModified());

    // A changed letter and Save: asked first, and No leaves the file alone.
    QTest::keyClicks(program.textBox(), QStringLiteral("A"));
    dialogs->answers.push_back(uibase::Answer::No);
    EXPECT_FALSE(program.SaveFile());
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_EQ(dialogs->shown[1].kind, uibase::MessageKind::Confirmation);
    EXPECT_TRUE(dialogs->shown[1].text.endsWith("Save anyway and change those bytes?"));
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_TRUE(program.isModified());

    // Closing asks the same before saving; Yes writes, and then nothing is left to ask.
    dialogs->answers.push_back(uibase::Answer::Yes);
    dialogs->answers.push_back(uibase::Answer::Yes);
    EXPECT_TRUE(program.CloseQuery());
    EXPECT_NE(ReadBytes(path), original);
    QTest::keyClicks(program.textBox(), QStringLiteral("B"));
    const std::size_t asked = dialogs->shown.size();
    ASSERT_TRUE(program.SaveFile());
    EXPECT_EQ(dialogs->shown.size(), asked);

    // A program that decodes reversibly is opened without a word.
    ASSERT_TRUE(program.LoadFile(path));
    EXPECT_EQ(dialogs->shown.size(), asked);
}

TEST_F(ProgramEditor, CutShortAndForeignFiles)
{
    // The last line of a cut-short program is still there, with the read error.
    Program stored;
    stored.name = "CUT";
    stored.tokens = {0xDE, 0x31, 0x3F, 0xDE, 0x32};
    const auto whole = *BuildProgramFile(varfile::CalcModel::TI83, stored);
    const QString path = frame.path(QStringLiteral("cut.83p"));
    WriteBytes(path, std::vector<std::uint8_t>(whole.begin(), whole.end() - 2));
    EXPECT_TRUE(program.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Error reading program file.");
    EXPECT_EQ(program.textBox()->toPlainText(), "Disp 1\nDisp 2");

    // A group read as one program runs on through the next entry's header, which
    // is no text: the editor says so instead of saving the header as letters.
    auto group = whole;
    group.insert(group.end() - 2, whole.begin() + 55, whole.end() - 2);
    WriteBytes(path, group);
    EXPECT_TRUE(program.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 2u);
    EXPECT_TRUE(dialogs->shown[1].text.contains("the first at byte offset 78 (0x4E)"))
        << dialogs->shown[1].text.toStdString();
    dialogs->shown.clear();

    // A TI-83 Plus file is not taken for a program with its fields shifted.
    auto plus = whole;
    std::copy_n("**TI83F*", 8, plus.begin());
    WriteBytes(path, plus);
    TfrmVarProg83 other(frame);
    EXPECT_FALSE(other.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              "This is a TI-83 Plus file; Vexil works with TI-82 and TI-83 files only.");
    EXPECT_TRUE(other.textBox()->toPlainText().isEmpty());
}

TEST_F(ProgramEditor, PastePutsBackTheBlankTheWebLeavesOff)
{
    QApplication::clipboard()->setText(QStringLiteral("Pause\nIf A:Disp"));
    ASSERT_TRUE(program.runEditCommand(uibase::EditCommand::Paste));
    EXPECT_EQ(program.textBox()->toPlainText(), "Pause \nIf A:Disp ");

    // Pasted in front of more of the line, the end of the paste ends nothing.
    program.textBox()->setPlainText(QStringLiteral("X"));
    program.textBox()->moveCursor(QTextCursor::Start);
    QApplication::clipboard()->setText(QStringLiteral("Disp"));
    ASSERT_TRUE(program.runEditCommand(uibase::EditCommand::Paste));
    EXPECT_EQ(program.textBox()->toPlainText(), "DispX");

    // Pasted into a string at the end of a line, a word stays a word.
    program.textBox()->setPlainText(QStringLiteral("Disp \"PRESS "));
    program.textBox()->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText(QStringLiteral("Disp"));
    ASSERT_TRUE(program.runEditCommand(uibase::EditCommand::Paste));
    EXPECT_EQ(program.textBox()->toPlainText(), "Disp \"PRESS Disp");

    // Typed text is saved exactly as typed: P and four variables.
    program.textBox()->setPlainText(QString());
    QTest::keyClicks(program.textBox(), QStringLiteral("Pause"));
    const QString path = saveNew(QStringLiteral("typed.83p"));
    ASSERT_TRUE(program.SaveFile());
    EXPECT_EQ(LoadProgramFile(ReadBytes(path)).program.tokens,
              (std::vector<std::uint8_t>{0x50, 0x62, 0x16, 0x5E, 0x80, 0x62, 0x34, 0x62, 0x1A}));
}

TEST(Ti82ProgramEditor, PasteMatchesTheTi82Tokens)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarProg82 program(frame);
    // On the TI-82 "int " keeps its blank; "int(" is a TI-83 text.
    QApplication::clipboard()->setText(QStringLiteral("Disp int"));
    ASSERT_TRUE(program.runEditCommand(uibase::EditCommand::Paste));
    EXPECT_EQ(program.textBox()->toPlainText(), "Disp int ");
}

} // namespace
} // namespace vexil::tibasic::ui
