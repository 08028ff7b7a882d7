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
    const bool maximize = previous != nullptr && previous != target && canMaximize &&
                          !previous->isMinimized() && previous->isMaximized();
    if (maximize) {
        target->showMaximized();
    } else if (previous == target) {
        target->show();
    } else {
        target->showNormal();
    }
    area.setActiveSubWindow(target);
    target->raise();
}

} // namespace vexil::uibase
