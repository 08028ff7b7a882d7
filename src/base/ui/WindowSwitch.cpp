// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/WindowSwitch.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace vexil::uibase {

void SwitchToWindow(QMdiArea &area, QMdiSubWindow *target)
{
    if (target == nullptr) {
        return;
    }
    QMdiSubWindow *previous = area.currentSubWindow();
    const bool canMaximize = target->windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
    // The previous window may be the target itself: a minimized one comes back normal.
    if (previous != nullptr && canMaximize && !previous->isMinimized() && previous->isMaximized()) {
        target->showMaximized();
    } else {
        target->showNormal();
    }
    area.setActiveSubWindow(target);
    target->raise();
}

} // namespace vexil::uibase
