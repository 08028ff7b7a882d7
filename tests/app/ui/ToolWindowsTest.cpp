// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalHelper.h"

#include "app/ui/DocumentManager.h"
#include "app/ui/StartupSequence.h"
#include "app/ui/TForm1.h"
#include "app/ui/ToolWindows.h"
#include "base/ui/ScriptedDialogService.h"
#include "base/ui/StatusPanel.h"
#include "editor/ui/TfrmSource.h"
#include "link/ui/CalculatorPicture.h"
#include "link/ui/TfrmLinkMan.h"
#include "tools/ui/AsciiTableView.h"
#include "tools/ui/TfrmAscii.h"
#include "tools/ui/TfrmConvert.h"
#include "tools/ui/TfrmSprite.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace vexil;
using namespace vexil::app;

namespace {

class ToolWindowsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    TForm1 form{dir.path().toStdString()};
};

TEST_F(ToolWindowsTest, TheTableLivesMinimizedFromTheStart)
{
    QMdiSubWindow &table = form.toolWindows().asciiTableWindow();
    EXPECT_TRUE(table.isMinimized());
    EXPECT_EQ(form.mdiArea().subWindowList(), QList<QMdiSubWindow *>{&table});
    EXPECT_FALSE(table.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    StartupSequence startup(form, false, {});
    startup.prepare();
    startup.showMainWindow();
    // Restored, it sits in the top-left corner at its fixed size.
    EXPECT_TRUE(table.isMinimized());
    EXPECT_EQ(table.y() + table.height(), form.mdiArea().viewport()->height());
    form.actions().asciiTable->trigger();
    EXPECT_FALSE(table.isMinimized());
    EXPECT_EQ(table.pos(), QPoint(0, 0));
    EXPECT_EQ(form.mdiArea().activeSubWindow(), &table);
    const QSize size = table.size();
    table.resize(size * 2);
    EXPECT_EQ(table.size(), size);

    // The menu and the toolbar offer both tools with their keys.
    EXPECT_EQ(form.actions().asciiTable->text(), "TI-&Ascii Table");
    EXPECT_EQ(form.actions().asciiTable->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(form.actions().spriteEditor->text(), "&Sprite Editor...");
    EXPECT_EQ(form.actions().spriteEditor->shortcut(), QKeySequence(Qt::Key_F6));
    const QList<QAction *> buttons = form.actions().toolBar->actions();
    EXPECT_TRUE(buttons.contains(form.actions().asciiTable));
    EXPECT_TRUE(buttons.contains(form.actions().spriteEditor));

    // Closing the main window closes the documents; the table does not hold it up.
    form.documents().newSource();
    EXPECT_TRUE(form.close());
}

TEST_F(ToolWindowsTest, TheTableFollowsTheModeAndTypesIntoTheLastSource)
{
    tools::TfrmAscii &table = form.toolWindows().asciiTable();
    form.applyStoredMode();
    EXPECT_EQ(table.table().model(), varfile::CalcModel::TI82);
    form.actions().mode83->trigger();
    EXPECT_EQ(table.table().model(), varfile::CalcModel::TI83);
    form.actions().mode82->trigger();
    EXPECT_EQ(table.table().model(), varfile::CalcModel::TI82);

    form.show();
    form.documents().newSource();
    auto *source = qobject_cast<editor::TfrmSource *>(form.documents().activeDocument());
    ASSERT_NE(source, nullptr);
    source->Memo1->setText("ld a,\r\n");
    source->Memo1->setCursorPosition(0, 5);
    form.actions().asciiTable->trigger();
    QTest::mouseDClick(&table.table(), Qt::LeftButton, {},
                       QPoint((0x41 % 16 + 1) * 24 + 8, (0x41 / 16 + 1) * 24 + 8));
    EXPECT_EQ(source->Memo1->text(), "ld a,$41\r\n");
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(ToolWindowsTest, TheSpriteEditorReadsTheLastSourcesSelection)
{
    form.show();
    form.documents().newSource();
    auto *source = qobject_cast<editor::TfrmSource *>(form.documents().activeDocument());
    ASSERT_NE(source, nullptr);
    source->Memo1->setText("; Sprite data for dot\r\ndot:\r\n.db $80\r\n.db $40\r\n");
    source->Memo1->selectAll();

    bool shown = false;
    WhenShown<tools::TfrmSprite>([&](tools::TfrmSprite *editor) {
        shown = true;
        editor->LoadFromSourceClick();
        editor->accept();
    });
    form.actions().spriteEditor->trigger();
    ASSERT_TRUE(shown);
    // The editor keeps its sprite from one opening to the next.
    const tools::Sprite &sprite = form.toolWindows().spriteEditor().sprite();
    EXPECT_EQ(sprite.width, 8);
    EXPECT_EQ(sprite.height, 2);
    EXPECT_TRUE(sprite.cells.at(0, 0));
    EXPECT_TRUE(sprite.cells.at(1, 1));
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(ToolWindowsTest, TheImageConverterOpensFromF4AndFollowsTheMode)
{
    EXPECT_EQ(form.actions().imageConverter->text(), "&Image Converter...");
    EXPECT_EQ(form.actions().imageConverter->shortcut(), QKeySequence(Qt::Key_F4));
    const QList<QAction *> buttons = form.actions().toolBar->actions();
    const auto help = buttons.indexOf(form.actions().helpTopics);
    ASSERT_GE(help, 0);
    EXPECT_EQ(buttons.indexOf(form.actions().imageConverter), help + 1);

    form.applyStoredMode();
    form.actions().mode83->trigger();
    int numbers = 0;
    WhenShown<tools::TfrmConvert>([&](tools::TfrmConvert *converter) {
        numbers = converter->pictureNumberBox()->count();
        converter->accept();
    });
    form.actions().imageConverter->trigger();
    EXPECT_EQ(numbers, 10);
    form.actions().mode82->trigger();
    WhenShown<tools::TfrmConvert>([&](tools::TfrmConvert *converter) {
        numbers = converter->pictureNumberBox()->count();
        converter->accept();
    });
    form.actions().imageConverter->trigger();
    EXPECT_EQ(numbers, 6);
    EXPECT_EQ(&form.toolWindows().imageConverter(), &form.toolWindows().imageConverter());
}

TEST_F(ToolWindowsTest, F5OpensTheLinkManagerWithTheCalculatorOfTheMode)
{
    QAction *command = form.actions().linkManager;
    EXPECT_EQ(command->text(), "&Link Manager...");
    EXPECT_EQ(command->shortcut(), QKeySequence(Qt::Key_F5));
    // On the toolbar it comes after the assemble buttons, before the table.
    const QList<QAction *> buttons = form.actions().toolBar->actions();
    EXPECT_LT(buttons.indexOf(form.actions().assembleAndSend), buttons.indexOf(command));
    EXPECT_LT(buttons.indexOf(command), buttons.indexOf(form.actions().asciiTable));

    form.mutableOptions().ti83Mode = true;
    bool shown = false;
    WhenShown<link::ui::TfrmLinkMan>([&](link::ui::TfrmLinkMan *manager) {
        shown = true;
        EXPECT_EQ(manager->windowTitle(), "Link Manager");
        EXPECT_TRUE(manager->Image2->isVisible());
        EXPECT_FALSE(manager->Image1->isVisible());
        manager->Button2->click();
    });
    command->trigger();
    EXPECT_TRUE(shown);

    form.mutableOptions().ti83Mode = false;
    shown = false;
    WhenShown<link::ui::TfrmLinkMan>([&](link::ui::TfrmLinkMan *manager) {
        shown = true;
        EXPECT_TRUE(manager->Image1->isVisible());
        // Its hints show in its own label, not on the main window's status panel.
        const QPointF inside(3, 3);
        QEnterEvent enter(inside, inside, manager->Copy->mapToGlobal(inside));
        QApplication::sendEvent(manager->Copy, &enter);
        EXPECT_EQ(manager->Label4->text(), "Copy the selected files to another folder.");
        EXPECT_EQ(form.statusPanel().text(), "before");
        manager->Button2->click();
    });
    form.statusPanel().showPlain(QStringLiteral("before"));
    form.showLinkManager();
    EXPECT_TRUE(shown);
    EXPECT_EQ(form.statusPanel().text(), "");
}

} // namespace
