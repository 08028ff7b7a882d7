// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vexil::vareditors {
class EditorRegistry;
}

namespace vexil::editor {

// Sources (.asm, .inc, .h) open in source windows; every extension no other window
// claims opens as plain text.
void RegisterEditorWindows(vareditors::EditorRegistry &registry);

} // namespace vexil::editor
