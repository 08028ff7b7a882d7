// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/VariableEditorCatalog.h"

#include "support/FakeMainFrame.h"
#include "tibasic/ui/TfrmVarProg.h"
#include "vareditors/TfrmVarComplex.h"
#include "vareditors/TfrmVarList.h"
#include "vareditors/TfrmVarReal.h"
#include "vareditors/TfrmVarString.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

TEST(VariableEditorCatalog, ExtensionsOpenTheirEditors)
{
    EditorRegistry registry;
    RegisterVariableEditors(registry);
    const std::pair<const char *, const QMetaObject *> expected[] = {
        {"a.82l", &TfrmVarList::staticMetaObject},
        {"a.83L", &TfrmVarList::staticMetaObject},
        {"a.82n", &TfrmVarReal::staticMetaObject},
        {"a.83n", &TfrmVarReal::staticMetaObject},
        {"a.83c", &TfrmVarComplex::staticMetaObject},
        {"a.83s", &TfrmVarString::staticMetaObject},
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

TEST(VariableEditorCatalog, NewEntriesCreateEmptyEditorsForEachModel)
{
    testing::FakeMainFrame frame;
    QMenu menu;
    int counter = 0;
    AddNewVariableActions(menu, frame, [&counter] { return ++counter; });
    QStringList titles;
    for (QAction *action : menu.actions()) {
        if (!action->isSeparator())
            action->trigger();
    }
    for (QWidget *document : frame.documents) {
        titles << document->windowTitle();
    }
    EXPECT_EQ(titles, (QStringList{"Untitled1 [TI-82 Program]", "Untitled2 [TI-82 List]",
                                   "Untitled3 [TI-82 Real]", "Untitled4 [TI-83 Program]",
                                   "Untitled5 [TI-83 List]", "Untitled6 [TI-83 Real]",
                                   "Untitled7 [TI-83 Complex]", "Untitled8 [TI-83 String]"}));
    ASSERT_EQ(frame.documents.size(), 8);
    EXPECT_TRUE(static_cast<TfrmVarTemplate *>(frame.documents[1])->IsTI82);
    EXPECT_FALSE(static_cast<TfrmVarTemplate *>(frame.documents[4])->IsTI82);
    qDeleteAll(frame.documents);
}

} // namespace
} // namespace vexil::vareditors
