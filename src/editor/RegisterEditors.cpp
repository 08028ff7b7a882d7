// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RegisterEditors.h"

#include "editor/TfrmSource.h"
#include "editor/TfrmText.h"
#include "vareditors/EditorRegistry.h"

namespace vexil::editor {

void RegisterEditorWindows(vareditors::EditorRegistry &registry)
{
    registry.add<TfrmSource>({QStringLiteral("ASM"), QStringLiteral("INC"), QStringLiteral("H")});
    registry.setFallback(&TfrmText::staticMetaObject,
                         [](uibase::MainFrame &frame) { return new TfrmText(frame); });
}

} // namespace vexil::editor
