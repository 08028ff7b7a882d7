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

#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

TEST(VariableEditorCatalog, ExtensionsOpenTheirEditors)
{
    uibase::EditorRegistry registry;
    RegisterVariableEditors(registry);
    const std::pair<const char *, const QMetaObject *> expected[] = {
        {"a.82l", &TfrmVarList::staticMetaObject},
        {"a.83L", &TfrmVarList::staticMetaObject},
        {"a.82n", &TfrmVarReal::staticMetaObject},
        {"a.83n", &TfrmVarReal::staticMetaObject},
        {"a.83c", &TfrmVarComplex::staticMetaObject},
        {"a.83s", &TfrmVarString::staticMetaObject},
        {"a.82m", &TfrmVarMatrix::staticMetaObject},
        {"a.83M", &TfrmVarMatrix::staticMetaObject},
        {"a.82y", &TfrmVarFunc::staticMetaObject},
        {"a.83y", &TfrmVarFunc::staticMetaObject},
        {"a.82w", &TfrmVarWindow::staticMetaObject},
        {"a.83w", &TfrmVarWindow::staticMetaObject},
        {"a.82z", &TfrmVarZoom::staticMetaObject},
        {"a.83Z", &TfrmVarZoom::staticMetaObject},
        {"a.82t", &TfrmVarTable::staticMetaObject},
        {"a.83t", &TfrmVarTable::staticMetaObject},
        {"a.82d", &TfrmVarGDB::staticMetaObject},
        {"a.83D", &TfrmVarGDB::staticMetaObject},
        {"a.82p", &tibasic::ui::TfrmVarProg82::staticMetaObject},
        {"a.83P", &tibasic::ui::TfrmVarProg83::staticMetaObject},
    };
    for (const auto &[path, windowClass] : expected) {
        EXPECT_EQ(registry.classFor(QString::fromLatin1(path)).windowClass, windowClass) << path;
    }
    // Neither model has a TI-82 complex number or string.
    EXPECT_EQ(registry.classFor(QStringLiteral("a.82c")).windowClass, nullptr);
    EXPECT_EQ(registry.classFor(QStringLiteral("a.82s")).windowClass, nullptr);
}

} // namespace
} // namespace vexil::vareditors
