// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the New gallery and of the variable editor windows: one per kind
// of document and, for calculator variables, per model.
#pragma once

#include "assemble/ShellTarget.h"

#include <QIcon>

namespace vexil::editor {

QIcon AssemblerProgramIcon(assemble::ShellTarget target);
QIcon TextFileIcon();
// letter: the last letter of the variable's extension ('l' for lists).
QIcon VariableIcon(bool isTI82, char letter);

} // namespace vexil::editor
