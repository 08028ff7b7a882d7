// SPDX-License-Identifier: GPL-3.0-or-later
// How document windows behave inside the main window: closing by keyboard, coming
// back from minimized, and the hints of dialogs on the status panel.
#include "app/ui/DocumentManager.h"
#include "app/ui/TForm1.h"
#include "base/FileIo.h"
#include "base/ui/ScriptedDialogService.h"
#include "base/ui/StatusPanel.h"
#include "editor/autocode/ui/TfrmAutocode.h"
#include "editor/ui/TfrmSource.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vexil;

namespace {

class WindowShellTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    uibase::ScopedScriptedDialogs dialogs;
    app::TForm1 form{dir.path().toStdString()};

    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QWidget *open(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        return form.openFile(dir.filePath(name));
    }
    QWidget *openString()
    {
        varfile::VarEntry entry;
        entry.typeId = 0x04;
        entry.name = {0xAA, 0x00};
        entry.data = {0x01, 0x00, 0x41};
        const auto bytes =
            varfile::BuildVarFile(varfile::CalcModel::TI83, varfile::MakeComment(""), {entry});
        EXPECT_FALSE(base::WriteFileAtomically(dir.filePath("Str1.83s").toStdString(), *bytes));
        return form.openFile(dir.filePath("Str1.83s"));
    }
    // Documents only: the TI-ASCII Table is always there, minimized.
    qsizetype windowCount() { return form.documents().documents().size(); }
    QAction *windowItemFor(const QString &caption)
    {
        for (QAction *item : form.actions().windowItems) {
            if (item->isVisible() && item->text().endsWith(' ' + caption)) {
                return item;
            }
        }
        return nullptr;
    }
};

} // namespace

TEST_F(WindowShellTest, ControlF4ClosesEveryKindOfDocumentWindow)
{
    std::vector<QWidget *> windows = {open("a.asm", "nop\r\n"), open("b.txt", "text\r\n"),
                                      openString()};
    for (QWidget *window : windows) {
        ASSERT_NE(window, nullptr);
    }
    while (!windows.empty()) {
        QWidget *window = windows.back();
        windows.pop_back();
        ASSERT_EQ(form.mdiArea().currentSubWindow()->widget(), window);
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, Qt::Key_F4, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_EQ(windowCount(), static_cast<qsizetype>(windows.size()))
            << window->metaObject()->className();
        if (!windows.empty()) {
            form.mdiArea().setActiveSubWindow(
                qobject_cast<QMdiSubWindow *>(windows.back()->parentWidget()));
        }
    }
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(WindowShellTest, TheMinimizedCurrentWindowComesBackWhenChosen)
{
    QWidget *first = open("first.asm", "nop\r\n");
    QWidget *second = open("second.asm", "ret\r\n");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    auto *sub = qobject_cast<QMdiSubWindow *>(second->parentWidget());
    form.rebuildWindowMenu();

    // From the Window menu.
    sub->showMinimized();
    ASSERT_EQ(form.mdiArea().currentSubWindow(), sub);
    ASSERT_NE(windowItemFor("second.asm"), nullptr);
    windowItemFor("second.asm")->trigger();
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_EQ(form.mdiArea().currentSubWindow(), sub);

    // By opening its file again.
    sub->showMinimized();
    EXPECT_EQ(form.openFile(dir.filePath("second.asm")), second);
    EXPECT_FALSE(sub->isMinimized());

    // By an error-list jump from the window itself.
    auto *source = qobject_cast<editor::TfrmSource *>(second);
    source->setErrors({"second.asm line 0001: bad"});
    source->ListBox1->setCurrentRow(0);
    sub->showMinimized();
    source->jumpToSelectedError();
    EXPECT_FALSE(sub->isMinimized());

    // Another window chosen while the current one is minimized comes up normal.
    sub->showMinimized();
    ASSERT_NE(windowItemFor("first.asm"), nullptr);
    windowItemFor("first.asm")->trigger();
    auto *firstSub = qobject_cast<QMdiSubWindow *>(first->parentWidget());
    EXPECT_FALSE(firstSub->isMinimized());
    EXPECT_FALSE(firstSub->isMaximized());
}

TEST_F(WindowShellTest, HintsOfDialogButtonsReachTheStatusPanel)
{
    editor::TfrmAutocode dialog(QStringList{QStringLiteral("Clear|ld a,0")},
                                dir.path().toStdString(), &form);
    dialog.show();
    const QPointF inside(3, 3);
    QEnterEvent enter(inside, inside, dialog.addButton->mapToGlobal(inside));
    QApplication::sendEvent(dialog.addButton, &enter);
    EXPECT_EQ(form.statusPanel().text(), "Add an AutoCode entry");
    EXPECT_FALSE(form.statusPanel().isBold());
}
