// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the keypads: Window > Keypad with its check mark, the
// keypad following the development mode, and the Ctrl+Shift symbol commands.
#include "ModalHelper.h"

#include "app/ui/DocumentManager.h"
#include "app/ui/ModeController.h"
#include "app/ui/NewFileCommands.h"
#include "app/ui/TForm1.h"
#include "base/ui/ScriptedDialogService.h"
#include "editor/newfile/ui/TfrmNew.h"
#include "link/ui/TfrmLinkMan.h"
#include "tibasic/ui/KeypadFace.h"
#include "tibasic/ui/KeypadWindows.h"
#include "tibasic/ui/TfrmKeypad.h"
#include "tibasic/ui/TfrmVarProg.h"
#include "tibasic/ui/TokenTextEdit.h"

#include <QAction>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vexil;
using namespace vexil::app;
using varfile::CalcModel;

namespace {

class KeypadCommandsTest : public ::testing::Test {
protected:
    KeypadCommandsTest() { form.show(); }

    tibasic::ui::TfrmKeypad &keypad(CalcModel model) { return form.keypads().keypad(model); }

    tibasic::ui::TfrmVarProg *newProgram(bool ti82)
    {
        form.newFiles().run(
            editor::GalleryChoice{ti82 ? editor::GalleryPage::TI82 : editor::GalleryPage::TI83, 0});
        return qobject_cast<tibasic::ui::TfrmVarProg *>(form.documents().activeDocument());
    }

    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    TForm1 form{dir.path().toStdString()};
};

TEST_F(KeypadCommandsTest, KeypadCommandShowsTheModelsKeypadAndFollowsTheMode)
{
    QAction *command = form.actions().keypad;
    EXPECT_EQ(command->text(), "&Keypad");
    EXPECT_TRUE(command->isCheckable());

    form.mode().setTI83Mode();
    command->trigger();
    EXPECT_TRUE(command->isChecked());
    EXPECT_TRUE(keypad(CalcModel::TI83).isVisible());
    EXPECT_FALSE(keypad(CalcModel::TI82).isVisible());

    form.mode().setTI82Mode();
    EXPECT_TRUE(keypad(CalcModel::TI82).isVisible());
    EXPECT_FALSE(keypad(CalcModel::TI83).isVisible());
    EXPECT_TRUE(command->isChecked());

    command->trigger();
    EXPECT_FALSE(form.keypads().isKeypadShown());

    // Closing the keypad itself clears the check mark; a later mode change leaves it shut.
    command->trigger();
    keypad(CalcModel::TI82).close();
    EXPECT_FALSE(command->isChecked());
    form.mode().setTI83Mode();
    EXPECT_FALSE(form.keypads().isKeypadShown());
}

TEST_F(KeypadCommandsTest, ShowKeypadSwitchesTheMode)
{
    form.showKeypad(CalcModel::TI83);
    EXPECT_TRUE(form.options().ti83Mode);
    EXPECT_TRUE(keypad(CalcModel::TI83).isVisible());
    EXPECT_TRUE(form.actions().keypad->isChecked());
}

TEST_F(KeypadCommandsTest, LinkOnEitherKeypadOpensTheLinkManager)
{
    for (const CalcModel model : {CalcModel::TI82, CalcModel::TI83}) {
        form.showKeypad(model);
        bool shown = false;
        WhenShown<link::ui::TfrmLinkMan>([&](link::ui::TfrmLinkMan *manager) {
            shown = true;
            manager->Button2->click();
        });
        QTest::mouseClick(keypad(model).face().key(tibasic::kSecondKey), Qt::LeftButton);
        QTest::mouseClick(keypad(model).face().key(32), Qt::LeftButton); // X,T,theta: LINK
        EXPECT_TRUE(shown) << (model == CalcModel::TI82 ? "TI-82" : "TI-83");
    }
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(KeypadCommandsTest, InsertSymbolTypesTheModelsGlyphIntoProgramsOnly)
{
    const auto &symbols = form.actions().insertSymbol;
    ASSERT_EQ(symbols.size(), 18u);
    EXPECT_EQ(symbols[0]->text(), "pi");
    EXPECT_EQ(symbols[6]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+R")));
    EXPECT_EQ(symbols[10]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));

    tibasic::ui::TfrmVarProg *ti82 = newProgram(true);
    ASSERT_NE(ti82, nullptr);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ti82->textBox()->setFocus();
    QTest::keyClick(ti82->textBox(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(ti82->textBox(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(ti82->textBox(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    // The TI-82 has no chi; its e is the letter-like statistics token.
    EXPECT_EQ(ti82->textBox()->toPlainText(), "√e");

    tibasic::ui::TfrmVarProg *ti83 = newProgram(false);
    ASSERT_NE(ti83, nullptr);
    for (const int index : {6, 11, 12}) {
        symbols[static_cast<std::size_t>(index)]->trigger();
    }
    EXPECT_EQ(ti83->textBox()->toPlainText(), "√(χ²𝑒");

    form.documents().newSource();
    symbols[0]->trigger();
    EXPECT_EQ(dialogs->beeps, 0);
    EXPECT_TRUE(dialogs->shown.empty());
}

} // namespace
