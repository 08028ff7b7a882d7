// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing a document window to the front the way the Window menu does: it takes the
// state of the window that was active (maximized stays maximized), except that a
// minimized predecessor, or a window that cannot be maximized, gives normal state.
// Choosing the window that is already current restores it when it is minimized.
#pragma once

class QMdiArea;
class QMdiSubWindow;

namespace vexil::uibase {

void SwitchToWindow(QMdiArea &area, QMdiSubWindow *target);

} // namespace vexil::uibase
