// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/WindowMenu.h"

#include "app/ui/TfrmWindows.h"
#include "base/ui/WindowSwitch.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>

namespace vexil::app {
namespace {

QString EscapeAmpersands(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

WindowMenu::WindowMenu(QMdiArea &area, MainActions &actions, std::filesystem::path programDirectory,
                       QObject *parent)
    : QObject(parent), area_(area), actions_(actions),
      programDirectory_(std::move(programDirectory))
{
    for (std::size_t i = 0; i < actions_.windowItems.size(); ++i) {
        connect(actions_.windowItems[i], &QAction::triggered, this,
                [this, i] { switchTo(static_cast<int>(i)); });
    }
    connect(actions_.moreWindows, &QAction::triggered, this, &WindowMenu::chooseFromAll);
    connect(actions_.cascade, &QAction::triggered, &area_, &QMdiArea::cascadeSubWindows);
    connect(actions_.tile, &QAction::triggered, &area_, &QMdiArea::tileSubWindows);
    connect(actions_.arrangeIcons, &QAction::triggered, this, &WindowMenu::arrangeIcons);
    connect(actions_.minimizeAll, &QAction::triggered, this, &WindowMenu::minimizeAll);
    connect(&area_, &QMdiArea::subWindowActivated, this, &WindowMenu::rebuild);
}

QList<QMdiSubWindow *> WindowMenu::windows() const
{
    return area_.subWindowList(QMdiArea::CreationOrder);
}

void WindowMenu::rebuild()
{
    rebuildPending_ = false;
    const QList<QMdiSubWindow *> all = windows();
    for (std::size_t i = 0; i < actions_.windowItems.size(); ++i) {
        QAction *item = actions_.windowItems[i];
        const bool used = static_cast<qsizetype>(i) < all.size();
        item->setVisible(used);
        if (used) {
            const QString caption = all[static_cast<qsizetype>(i)]->windowTitle();
            item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(EscapeAmpersands(caption)));
            item->setStatusTip(
                QStringLiteral("Switches to the window containing '%1'").arg(caption));
            item->setCheckable(true);
            item->setChecked(all[static_cast<qsizetype>(i)] == area_.currentSubWindow());
        }
    }
    actions_.moreWindows->setVisible(all.size() > 9);
    actions_.windowSeparator->setVisible(!all.isEmpty());
    actions_.windowMenu->setEnabled(!all.isEmpty());
}

void WindowMenu::scheduleRebuild()
{
    if (rebuildPending_) {
        return;
    }
    rebuildPending_ = true;
    QTimer::singleShot(1, this, &WindowMenu::rebuild);
}

void WindowMenu::switchTo(int index)
{
    const QList<QMdiSubWindow *> all = windows();
    if (index >= 0 && index < all.size()) {
        uibase::SwitchToWindow(area_, all[index]);
    }
}

void WindowMenu::chooseFromAll()
{
    QStringList captions;
    for (QMdiSubWindow *window : windows()) {
        captions << window->windowTitle();
    }
    TfrmWindows dialog(captions, programDirectory_, area_.window());
    if (dialog.exec() == QDialog::Accepted) {
        switchTo(dialog.selectedIndex());
    }
}

void WindowMenu::arrangeIcons()
{
    int x = 0;
    const int bottom = area_.viewport()->height();
    for (QMdiSubWindow *window : windows()) {
        if (window->isMinimized()) {
            const QSize size = window->size();
            window->move(x, bottom - size.height());
            x += size.width();
        }
    }
}

void WindowMenu::minimizeAll()
{
    for (QMdiSubWindow *window : windows()) {
        window->showMinimized();
    }
}

} // namespace vexil::app
