// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the New gallery and of the variable editor windows: one per kind
// of document and, for calculator variables, per model.
#pragma once

#include <QIcon>

namespace vexil::editor {

// target: 0 Ash 3.0, 1 CrASH 1.3, 2 TI-83 in-built, 3 AShell83 1.0.
QIcon AssemblerProgramIcon(int target);
QIcon TextFileIcon();
// letter: the last letter of the variable's extension ('l' for lists).
QIcon VariableIcon(bool isTI82, char letter);

} // namespace vexil::editor
