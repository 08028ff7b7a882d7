// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator variable and program editors as the main window sees them: which
// extension opens which window, and the "New" entries that create each editor
// empty for either model.
#pragma once

#include "app/uibase/MainFrame.h"
#include "vareditors/EditorRegistry.h"

#include <functional>

class QMenu;

namespace vexil::vareditors {

// .82l/.83l lists, .82n/.83n reals, .83c complex numbers, .83s strings, .82p and
// .83p programs.
void RegisterVariableEditors(EditorRegistry &registry);

// Fills `menu` with one entry per editor and model ("TI-83 List", ...). Each
// creates the editor empty, captioned "Untitled" with the number `nextUntitled`
// hands out, and gives it to the frame.
void AddNewVariableActions(QMenu &menu, uibase::MainFrame &frame,
                           std::function<int()> nextUntitled);

} // namespace vexil::vareditors
