// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarFunc.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "tibasic/ui/TokenInsertion.h"
#include "tibasic/ui/TokenTextEdit.h"
#include "vareditors/FunctionVariable.h"

#include <QComboBox>
#include <QFile>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::Word;
using uibase::ScopedScriptedDialogs;
using varfile::Bytes;

TEST(FunctionEditor, NamesAndTheirCodes)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarFunc function(frame);
    function.prepareNew(true, 1);
    EXPECT_EQ(function.windowTitle(), "Untitled1 [TI-82 Function]");
    ASSERT_EQ(function.nameBox()->count(), 30);
    EXPECT_EQ(function.nameBox()->itemText(29), "Vn");
    function.prepareNew(false, 2);
    ASSERT_EQ(function.nameBox()->count(), 31);
    EXPECT_EQ(function.nameBox()->itemText(30), "w");
    EXPECT_FALSE(function.isModified());

    const std::pair<const char *, std::uint8_t> names[] = {{"Y0", 0x19}, {"r1", 0x40}, {"u", 0x80}};
    const QString path = frame.path(QStringLiteral("f.83y"));
    dialogs->fileNames.push_back(path);
    for (const auto &[name, code] : names) {
        function.nameBox()->setCurrentText(QString::fromLatin1(name));
        EXPECT_TRUE(function.isModified());
        ASSERT_TRUE(function.SaveFile());
        const Bytes file = ReadBytes(path);
        EXPECT_EQ(file[60], 0x5E);
        EXPECT_EQ(file[61], code) << name;
        // The empty equation: token length 0, data length 2.
        EXPECT_EQ(Word(file, 57), 2);
        EXPECT_EQ(Word(file, 70), 0);
    }
    EXPECT_EQ(dialogs->fileRequests.size(), 1u);
    EXPECT_EQ(dialogs->fileRequests[0].title, "Save TI-83 Function");
}

TEST(FunctionEditor, EquationRoundTripAndInvalidTokens)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarFunc function(frame);
    function.prepareNew(true, 1);
    function.nameBox()->setCurrentText(QStringLiteral("Un"));
    function.equationBox()->setPlainText(QStringLiteral("Un-1+√X"));
    const QString path = frame.path(QStringLiteral("un.82y"));
    dialogs->fileNames.push_back(path);
    ASSERT_TRUE(function.SaveFile());

    TfrmVarFunc reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_TRUE(reloaded.IsTI82);
    EXPECT_EQ(reloaded.nameBox()->count(), 30);
    EXPECT_EQ(reloaded.nameBox()->currentText(), "Un");
    EXPECT_EQ(reloaded.equationBox()->toPlainText(), "Un-1+√X");
    EXPECT_FALSE(reloaded.isModified());

    // "#" starts no token: nothing is written and the caret goes to it.
    const Bytes before = ReadBytes(path);
    reloaded.equationBox()->setPlainText(QStringLiteral("X+#"));
    EXPECT_FALSE(reloaded.SaveFile());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Invalid token found.");
    EXPECT_EQ(reloaded.equationBox()->textCursor().position(), 2);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(reloaded.isModified());
    EXPECT_EQ(reloaded.windowTitle(), "un.82y [TI-82 Function]");

    Bytes cut = before;
    cut.resize(73);
    const QString cutPath = frame.path(QStringLiteral("cut.82y"));
    testing::WriteBytes(cutPath, cut);
    EXPECT_TRUE(reloaded.LoadFile(cutPath));
    EXPECT_EQ(dialogs->shown.back().text, "Error reading function file.");
}

TEST(FunctionEditor, TokensItCannotShowAreNotReplacedUnasked)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    // X, then a byte no TI-82 token uses.
    const Bytes file =
        vardata::FunctionFileFromTokens(varfile::CalcModel::TI82, 0, Bytes{0x58, 0xEB}).file;
    const QString path = frame.path(QStringLiteral("odd.82y"));
    testing::WriteBytes(path, file);

    TfrmVarFunc function(frame);
    ASSERT_TRUE(function.LoadFile(path));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Warning);
    EXPECT_TRUE(dialogs->shown[0].text.contains("at 1 place, at byte offset 73 (0x49)"));

    dialogs->answers.push_back(uibase::Answer::No);
    EXPECT_FALSE(function.SaveFile());
    EXPECT_EQ(dialogs->shown[1].kind, uibase::MessageKind::Confirmation);
    EXPECT_EQ(ReadBytes(path), file);
    // The unused code shows as "~", which is no token; the user puts an equation there.
    EXPECT_EQ(function.equationBox()->toPlainText(), "X~");
    function.equationBox()->setPlainText(QStringLiteral("X"));
    dialogs->answers.push_back(uibase::Answer::Yes);
    EXPECT_TRUE(function.SaveFile());
    EXPECT_EQ(Word(ReadBytes(path), 70), 1);
    // What is in the file now is the user's text: no question any more.
    EXPECT_TRUE(function.SaveFile());
    EXPECT_EQ(dialogs->shown.size(), 3u);
}

TEST(FunctionEditor, ShowKeypadShowsTheEditorsModel)
{
    FakeMainFrame frame;
    TfrmVarFunc function(frame);
    function.prepareNew(true, 1);
    EXPECT_EQ(function.keypadButton()->toolTip(), "Show Keypad");
    EXPECT_EQ(function.keypadButton()->statusTip(), "Display the calculator keypad.");
    function.keypadButton()->click();
    function.prepareNew(false, 2);
    function.keypadButton()->click();
    EXPECT_EQ(frame.keypadsShown,
              (QList<varfile::CalcModel>{varfile::CalcModel::TI82, varfile::CalcModel::TI83}));
}

TEST(FunctionEditor, TakesItsOwnModelsKeypadTokensAtTheCaret)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarFunc function(frame);
    function.prepareNew(true, 1);
    frame.mdiArea().addSubWindow(&function);
    frame.mdiArea().show();
    frame.mdiArea().setActiveSubWindow(frame.mdiArea().subWindowList().front());
    function.equationBox()->setPlainText(QStringLiteral("X"));
    function.equationBox()->moveCursor(QTextCursor::Start);

    using tibasic::ui::InsertOutcome;
    using tibasic::ui::InsertToken;
    EXPECT_EQ(InsertToken(frame, varfile::CalcModel::TI83, "sin("), InsertOutcome::Warned);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text,
              "You cannot insert tokens from the TI-83 keypad into a TI-82 function.");
    EXPECT_EQ(InsertToken(frame, varfile::CalcModel::TI82, "sin "), InsertOutcome::Inserted);
    EXPECT_EQ(function.equationBox()->toPlainText(), "sin X");
}

} // namespace
} // namespace vexil::vareditors
