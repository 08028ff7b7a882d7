// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarString.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "tibasic/ui/TokenInsertion.h"
#include "tibasic/ui/TokenTextEdit.h"
#include "vareditors/StringVariable.h"

#include <QComboBox>
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::Word;
using uibase::ScopedScriptedDialogs;

TEST(StringEditor, EmptyStringAndRoundTrip)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarString string(frame);
    string.prepareNew(false, 1);
    const QString path = frame.path(QStringLiteral("empty.83s"));
    dialogs->fileNames.push_back(path);
    ASSERT_TRUE(string.SaveFile());
    auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 74u);
    EXPECT_EQ(Word(bytes, 57), 2);
    EXPECT_EQ(Word(bytes, 70), 0);
    EXPECT_EQ(string.windowTitle(), "empty.83s [TI-83 String]");

    string.nameBox()->setCurrentIndex(9);
    string.textBox()->setPlainText(QStringLiteral("\"HI\"→Str1\nπ≠3"));
    // Tab leaves the box instead of typing a character that starts no token.
    QTest::keyClick(string.textBox(), Qt::Key_Tab);
    EXPECT_TRUE(string.isModified());
    ASSERT_TRUE(string.SaveFile());
    bytes = ReadBytes(path);
    EXPECT_EQ(bytes[61], 9);

    TfrmVarString reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.nameBox()->currentText(), "Str0");
    EXPECT_EQ(reloaded.textBox()->toPlainText(), "\"HI\"→Str1\nπ≠3");
    EXPECT_FALSE(reloaded.isModified());
}

TEST(StringEditor, InvalidTokenWritesNothing)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarString string(frame);
    string.textBox()->setPlainText(QStringLiteral("AB\nCq"));
    const QString path = frame.path(QStringLiteral("bad.83s"));
    dialogs->fileNames.push_back(path);
    EXPECT_FALSE(string.SaveFile());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Invalid token found.");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(string.textBox()->textCursor().position(), 4);
    EXPECT_TRUE(string.isModified());
    EXPECT_TRUE(string.FileName.isEmpty());
}

TEST(StringEditor, TokensOfALaterCalculatorAreNotReplacedUnasked)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    // "HI" and a TI-83 Plus command the TI-83 has no token for.
    vardata::StringVariable string{0, "HI"};
    auto bytes = vardata::BuildStringFile(string).file;
    bytes.insert(bytes.end() - 2, {0xBB, 0x6D});
    const QString path = frame.path(QStringLiteral("plus.83s"));
    testing::WriteBytes(path, bytes);

    TfrmVarString editor(frame);
    ASSERT_TRUE(editor.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Warning);
    EXPECT_TRUE(dialogs->shown[0].text.contains(
        "do not decode reversibly at 1 place, at byte offset 74 (0x4A)"));
    EXPECT_EQ(editor.textBox()->toPlainText(), "HI");

    dialogs->answers.push_back(uibase::Answer::No);
    EXPECT_FALSE(editor.SaveFile());
    EXPECT_EQ(dialogs->shown[1].kind, uibase::MessageKind::Confirmation);
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(StringEditor, TakesTheTI83KeypadsTokensOnly)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarString string(frame);
    frame.mdiArea().addSubWindow(&string);
    frame.mdiArea().show();
    frame.mdiArea().setActiveSubWindow(frame.mdiArea().subWindowList().front());
    string.textBox()->setPlainText(QStringLiteral("HI"));
    string.textBox()->moveCursor(QTextCursor::Start);

    using tibasic::ui::InsertOutcome;
    using tibasic::ui::InsertToken;
    EXPECT_EQ(InsertToken(frame, varfile::CalcModel::TI82, "1"), InsertOutcome::Warned);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              "You cannot insert tokens from the TI-82 keypad into a TI-83 string.");
    EXPECT_EQ(InsertToken(frame, varfile::CalcModel::TI83, "sin("), InsertOutcome::Inserted);
    EXPECT_EQ(string.textBox()->toPlainText(), "sin(HI");

    QTest::mouseClick(string.showKeypadButton(), Qt::LeftButton);
    EXPECT_EQ(frame.keypadsShown, QList<varfile::CalcModel>{varfile::CalcModel::TI83});
}

} // namespace
} // namespace vexil::vareditors
