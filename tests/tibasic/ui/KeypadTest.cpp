// SPDX-License-Identifier: GPL-3.0-or-later
// The keypads, token menus and catalog through their real windows, typing into
// real program editors in a stand-in main window.
#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "tibasic/ui/KeypadFace.h"
#include "tibasic/ui/KeypadStyle.h"
#include "tibasic/ui/KeypadWindows.h"
#include "tibasic/ui/TfrmCatalog.h"
#include "tibasic/ui/TfrmKeypad.h"
#include "tibasic/ui/TfrmKeypadMenu.h"
#include "tibasic/ui/TfrmVarProg.h"
#include "tibasic/ui/TokenTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace vexil::tibasic::ui {
namespace {

using testing::FakeMainFrame;
using uibase::ScopedScriptedDialogs;

constexpr int kMath = 41;
constexpr int kPrgm = 43;
constexpr int kVars = 44;

class Keypads : public ::testing::Test {
protected:
    Keypads()
    {
        frame.mdiArea().addSubWindow(&program82);
        frame.mdiArea().addSubWindow(&program83);
        frame.mdiArea().show();
    }

    void activate(QWidget &editor)
    {
        frame.mdiArea().setActiveSubWindow(qobject_cast<QMdiSubWindow *>(editor.parentWidget()));
    }

    TfrmKeypad &keypad(CalcModel model) { return windows.keypad(model); }

    void press(CalcModel model, int tag)
    {
        QTest::mouseClick(keypad(model).face().key(tag), Qt::LeftButton);
    }

    void clickCaption(CalcModel model, int tag, KeyLayer layer)
    {
        QTest::mouseClick(keypad(model).face().caption(tag, layer), Qt::LeftButton);
    }

    static QString textOf(TfrmVarProg &program) { return program.textBox()->toPlainText(); }

    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    QWidget mainWindow;
    KeypadWindows windows{frame, &mainWindow};
    TfrmVarProg82 program82{frame};
    TfrmVarProg83 program83{frame};
};

TEST_F(Keypads, AlphaAndAlphaLockTypeLetters)
{
    activate(program82);
    const KeypadState &state = keypad(CalcModel::TI82).state();

    press(CalcModel::TI82, kAlphaKey);
    EXPECT_TRUE(state.alpha());
    press(CalcModel::TI82, kMath);
    EXPECT_EQ(textOf(program82), "A");
    EXPECT_FALSE(state.alpha());
    // Without ALPHA the same key opens its menu again.
    press(CalcModel::TI82, kMath);
    EXPECT_EQ(windows.menu().windowTitle(), "MATH");
    windows.menu().hide();

    press(CalcModel::TI82, kSecondKey);
    press(CalcModel::TI82, kAlphaKey);
    EXPECT_TRUE(state.alphaLock());
    EXPECT_FALSE(state.second());
    press(CalcModel::TI82, kMath);
    press(CalcModel::TI82, kPrgm);
    EXPECT_EQ(textOf(program82), "AAC");
    EXPECT_TRUE(state.alphaLock());
    press(CalcModel::TI82, kAlphaKey);
    EXPECT_FALSE(state.alphaLock());
    EXPECT_FALSE(state.alpha());
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(Keypads, KeyActsOnlyWhenReleasedInside)
{
    activate(program83);
    KeypadKeyPanel *one = keypad(CalcModel::TI83).face().key(92);
    QTest::mousePress(one, Qt::LeftButton);
    EXPECT_TRUE(one->isDown());
    const QPointF outside(-4, -4);
    QMouseEvent away(QEvent::MouseMove, outside, one->mapToGlobal(outside), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(one, &away);
    EXPECT_FALSE(one->isDown());
    const QPointF inside(one->rect().center());
    QMouseEvent back(QEvent::MouseMove, inside, one->mapToGlobal(inside), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(one, &back);
    EXPECT_TRUE(one->isDown());
    QTest::mouseRelease(one, Qt::LeftButton, {}, outside.toPoint());
    EXPECT_FALSE(one->isDown());
    EXPECT_EQ(textOf(program83), "");

    QTest::mouseClick(one, Qt::RightButton);
    EXPECT_EQ(textOf(program83), "");
    QTest::mouseClick(one, Qt::LeftButton);
    EXPECT_EQ(textOf(program83), "1");
}

TEST_F(Keypads, OtherModelsEditorIsWarnedAndUntouched)
{
    activate(program83);
    for (const int tag : {92, 52, 105}) {
        press(CalcModel::TI82, tag);
    }
    ASSERT_EQ(dialogs->shown.size(), 3u);
    EXPECT_EQ(dialogs->shown[0].text,
              "You cannot insert tokens from the TI-82 keypad into a TI-83 program file.");
    EXPECT_EQ(dialogs->shown[0].kind, uibase::MessageKind::Warning);
    EXPECT_EQ(textOf(program83), "");

    activate(program82);
    press(CalcModel::TI83, 92);
    EXPECT_EQ(dialogs->shown.back().text,
              "You cannot insert tokens from the TI-83 keypad into a TI-82 program file.");
    EXPECT_EQ(textOf(program82), "");

    // Without a token editor there is only the beep.
    frame.mdiArea().removeSubWindow(&program82);
    frame.mdiArea().removeSubWindow(&program83);
    press(CalcModel::TI83, 92);
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(dialogs->shown.size(), 4u);
}

TEST_F(Keypads, TokensGoInAtTheCaretBesideTheSelection)
{
    activate(program83);
    QApplication::clipboard()->setText(QStringLiteral("the user's"));
    program83.textBox()->setPlainText(QStringLiteral("Disp X"));
    QTextCursor cursor = program83.textBox()->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(6, QTextCursor::KeepAnchor);
    program83.textBox()->setTextCursor(cursor);
    press(CalcModel::TI83, 52); // SIN
    press(CalcModel::TI83, 105);
    EXPECT_EQ(textOf(program83), "Disp Xsin(\n");
    EXPECT_TRUE(program83.isModified());
    EXPECT_EQ(QApplication::clipboard()->text(), "the user's");
}

TEST_F(Keypads, CaptionsActDirectly)
{
    activate(program83);
    clickCaption(CalcModel::TI83, 104, KeyLayer::Second); // ANS
    clickCaption(CalcModel::TI83, 94, KeyLayer::Alpha);   // theta
    clickCaption(CalcModel::TI83, 61, KeyLayer::Second);  // square root
    EXPECT_EQ(textOf(program83), "Ansθ√(");

    clickCaption(CalcModel::TI83, kAlphaKey, KeyLayer::Second);
    EXPECT_TRUE(keypad(CalcModel::TI83).state().alphaLock());

    clickCaption(CalcModel::TI83, 32, KeyLayer::Second); // LINK, not there yet
    EXPECT_EQ(dialogs->beeps, 1);
    int linkOpened = 0;
    windows.setLinkManagerOpener([&] { ++linkOpened; });
    press(CalcModel::TI82, kSecondKey);
    press(CalcModel::TI82, 32);
    EXPECT_EQ(linkOpened, 1);

    clickCaption(CalcModel::TI83, 102, KeyLayer::Second); // CATALOG
    EXPECT_TRUE(windows.catalog().isVisible());

    windows.showKeypad(CalcModel::TI83);
    QSignalSpy closed(&windows, &KeypadWindows::keypadClosed);
    clickCaption(CalcModel::TI83, 101, KeyLayer::Second); // OFF
    EXPECT_FALSE(windows.isKeypadShown());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(Keypads, PcKeysPressTheMatchingKeys)
{
    activate(program83);
    TfrmKeypad &pad = keypad(CalcModel::TI83);
    QTest::keyClicks(&pad, QStringLiteral("2+x*@ \"?:{"));
    QTest::keyClick(&pad, Qt::Key_Return);
    // 2nd still reaches the 2nd functions of the keys typed next.
    press(CalcModel::TI83, kSecondKey);
    QTest::keyClick(&pad, Qt::Key_1);
    EXPECT_EQ(textOf(program83), "2+X*θ \"?:{\nL₁");
    QTest::keyClick(&pad, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(textOf(program83), "2+X*θ \"?:{\nL₁");
}

TEST_F(Keypads, ModeChangeSwapsTheKeypadInPlace)
{
    windows.showKeypad(CalcModel::TI82);
    keypad(CalcModel::TI82).setGeometry(120, 80, 300, 560);
    windows.followModel(CalcModel::TI83);
    EXPECT_FALSE(keypad(CalcModel::TI82).isVisible());
    EXPECT_TRUE(keypad(CalcModel::TI83).isVisible());
    EXPECT_EQ(keypad(CalcModel::TI83).geometry(), QRect(120, 80, 300, 560));

    windows.hideKeypad();
    windows.followModel(CalcModel::TI82);
    EXPECT_FALSE(windows.isKeypadShown());
}

TEST_F(Keypads, KeyboardScalesWithTheWindow)
{
    TfrmKeypad &pad = keypad(CalcModel::TI82);
    const KeypadFace &face = pad.face();
    pad.show();
    pad.resize(270, 510);
    const QRect small = face.key(105)->geometry();
    pad.resize(540, 1020);
    const QRect large = face.key(105)->geometry();
    EXPECT_NEAR(large.width(), 2 * small.width(), 2);
    EXPECT_NEAR(large.top(), 2 * small.top(), 3);
    // A wide window keeps the proportions and centres the keyboard.
    pad.resize(1000, 510);
    EXPECT_EQ(face.key(105)->size(), small.size());
    EXPECT_GT(face.key(101)->x(), 300);
}

TEST_F(Keypads, MenuTabsAndEntries)
{
    activate(program83);
    press(CalcModel::TI83, kPrgm);
    TfrmKeypadMenu &menu = windows.menu();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.windowTitle(), "PRGM");
    EXPECT_EQ(menu.tabButtons()[0]->text(), "CTL");
    EXPECT_EQ(menu.tabButtons()[0]->property("choiceColour").value<QColor>(), kChosenColour);
    EXPECT_EQ(menu.tabButtons()[1]->property("choiceColour").value<QColor>(), QColor(255, 224, 0));
    EXPECT_FALSE(menu.tabButtons()[2]->isVisibleTo(&menu));
    std::vector<QPushButton *> entries = menu.entryButtons();
    ASSERT_EQ(entries.size(), 18u);
    EXPECT_EQ(entries.back()->text(), "GraphStyle(");

    QTest::mouseClick(menu.tabButtons()[1], Qt::LeftButton);
    EXPECT_EQ(menu.tabButtons()[1]->property("choiceColour").value<QColor>(), kChosenColour);
    entries = menu.entryButtons();
    EXPECT_EQ(entries.front()->text(), "Input ");
    QTest::mouseClick(entries.front(), Qt::LeftButton);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(textOf(program83), "Input ");

    // A TI-82 menu left open types nothing into a TI-83 program: its texts are the
    // TI-82's ("iPart " where the TI-83 has "iPart(").
    press(CalcModel::TI82, kMath);
    menu.selectTab(1);
    menu.chooseEntry(1);
    EXPECT_EQ(dialogs->shown.back().text,
              "You cannot insert tokens from the TI-82 keypad into a TI-83 program file.");
    EXPECT_EQ(textOf(program83), "Input ");
}

TEST_F(Keypads, VarsCategoryOpensItsMenuOnceTheMenuIsGone)
{
    activate(program83);
    press(CalcModel::TI83, kVars);
    TfrmKeypadMenu &menu = windows.menu();
    EXPECT_EQ(menu.entryButtons()[4]->text(), "Statistics…");
    menu.selectTab(1);
    QTest::mouseClick(menu.entryButtons()[3], Qt::LeftButton);
    EXPECT_EQ(menu.pendingSelection(), 204);
    EXPECT_FALSE(menu.isVisible());
    QApplication::processEvents();
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.windowTitle(), "On/Off");
    EXPECT_EQ(menu.pendingSelection(), 0);
    QTest::mouseClick(menu.entryButtons()[1], Qt::LeftButton);
    EXPECT_EQ(textOf(program83), "FnOff ");

    activate(program82);
    press(CalcModel::TI82, kVars);
    QTest::mouseClick(menu.entryButtons()[0], Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(menu.windowTitle(), "Window");
    EXPECT_EQ(menu.tabButtons()[1]->text(), "T/θ");
    EXPECT_EQ(menu.model(), CalcModel::TI82);
}

TEST_F(Keypads, CatalogListsByLetter)
{
    activate(program83);
    TfrmCatalog &catalog = windows.catalog();
    catalog.chooseLetter(5);
    catalog.showCatalog();
    EXPECT_EQ(catalog.windowTitle(), "TI-83 Catalog");
    ASSERT_EQ(catalog.letterButtons().size(), 24u);
    EXPECT_EQ(catalog.currentLetter(), 0);
    EXPECT_EQ(catalog.list()->item(1)->text(), " and ");

    QPushButton *z = catalog.letterButtons()[22];
    EXPECT_EQ(z->text(), "Z");
    QTest::mouseClick(z, Qt::LeftButton);
    EXPECT_EQ(catalog.list()->count(), 15);
    EXPECT_EQ(z->property("choiceColour").value<QColor>(), kChosenColour);
    EXPECT_EQ(catalog.letterButtons()[0]->property("choiceColour").value<QColor>(),
              QColor(255, 224, 0));

    QListWidget *list = catalog.list();
    const QRect row = list->visualItemRect(list->item(3));
    // A double-click arrives as a second press followed by the double-click.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(textOf(program83), "Z-Interval ");

    activate(program82);
    catalog.insertEntry(0);
    EXPECT_EQ(dialogs->shown.back().text,
              "You cannot insert tokens from the TI-83 keypad into a TI-82 program file.");
}

} // namespace
} // namespace vexil::tibasic::ui
