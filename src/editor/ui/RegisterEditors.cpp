// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ui/RegisterEditors.h"

#include "base/ui/EditorRegistry.h"
#include "editor/ui/TfrmSource.h"
#include "editor/ui/TfrmText.h"

namespace vexil::editor {

void RegisterEditorWindows(uibase::EditorRegistry &registry)
{
    // .z80 and .a80 are how most published calculator sources are named.
    registry.add<TfrmSource>({QStringLiteral("ASM"), QStringLiteral("Z80"), QStringLiteral("A80"),
                              QStringLiteral("INC"), QStringLiteral("H")});
    registry.setFallback(&TfrmText::staticMetaObject,
                         [](uibase::MainFrame &frame) { return new TfrmText(frame); });
}

} // namespace vexil::editor
