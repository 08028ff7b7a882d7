// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vexil::uibase {
class EditorRegistry;
}

namespace vexil::editor {

// Sources (.asm, .z80, .a80, .inc, .h) open in source windows; every extension no other window
// claims opens as plain text.
void RegisterEditorWindows(uibase::EditorRegistry &registry);

} // namespace vexil::editor
