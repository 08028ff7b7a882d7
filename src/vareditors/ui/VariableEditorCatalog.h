// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator variable and program editors as the main window sees them: which
// extension opens which window.
#pragma once

#include "base/ui/EditorRegistry.h"

namespace vexil::vareditors {

// .82l/.83l lists, .82n/.83n reals, .83c complex numbers, .83s strings, .82m/.83m
// matrices, .82y/.83y functions, .82w/.83w window, .82z/.83z zoom and .82t/.83t
// table settings, .82d/.83d graph databases, .82p and .83p programs.
void RegisterVariableEditors(uibase::EditorRegistry &registry);

} // namespace vexil::vareditors
