// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/VariableEditorCatalog.h"

#include "tibasic/ui/TfrmVarProg.h"
#include "vareditors/ui/TfrmVarComplex.h"
#include "vareditors/ui/TfrmVarFunc.h"
#include "vareditors/ui/TfrmVarGDB.h"
#include "vareditors/ui/TfrmVarList.h"
#include "vareditors/ui/TfrmVarMatrix.h"
#include "vareditors/ui/TfrmVarReal.h"
#include "vareditors/ui/TfrmVarString.h"
#include "vareditors/ui/TfrmVarTable.h"
#include "vareditors/ui/TfrmVarWindow.h"

namespace vexil::vareditors {

void RegisterVariableEditors(uibase::EditorRegistry &registry)
{
    registry.add<TfrmVarList>({QStringLiteral("82L"), QStringLiteral("83L")});
    registry.add<TfrmVarReal>({QStringLiteral("82N"), QStringLiteral("83N")});
    registry.add<TfrmVarComplex>({QStringLiteral("83C")});
    registry.add<TfrmVarString>({QStringLiteral("83S")});
    registry.add<TfrmVarMatrix>({QStringLiteral("82M"), QStringLiteral("83M")});
    registry.add<TfrmVarFunc>({QStringLiteral("82Y"), QStringLiteral("83Y")});
    registry.add<TfrmVarWindow>({QStringLiteral("82W"), QStringLiteral("83W")});
    registry.add<TfrmVarZoom>({QStringLiteral("82Z"), QStringLiteral("83Z")});
    registry.add<TfrmVarTable>({QStringLiteral("82T"), QStringLiteral("83T")});
    registry.add<TfrmVarGDB>({QStringLiteral("82D"), QStringLiteral("83D")});
    registry.add<tibasic::ui::TfrmVarProg82>({QStringLiteral("82P")});
    registry.add<tibasic::ui::TfrmVarProg83>({QStringLiteral("83P")});
}

} // namespace vexil::vareditors
