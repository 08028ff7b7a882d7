// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator variable and program editors as the main window sees them: which
// extension opens which window.
#pragma once

#include "base/ui/EditorRegistry.h"

namespace vexil::vareditors {

// .82l/.83l lists, .82n/.83n reals, .83c complex numbers, .83s strings, .82p and
// .83p programs.
void RegisterVariableEditors(uibase::EditorRegistry &registry);

} // namespace vexil::vareditors
