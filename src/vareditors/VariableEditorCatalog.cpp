// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/VariableEditorCatalog.h"

#include "tibasic/ui/TfrmVarProg.h"
#include "vareditors/TfrmVarComplex.h"
#include "vareditors/TfrmVarList.h"
#include "vareditors/TfrmVarReal.h"
#include "vareditors/TfrmVarString.h"

#include <QMenu>

namespace vexil::vareditors {

namespace {

struct NewEntry {
    const char *caption;
    bool isTI82;
    std::function<VarEditorWindow *(uibase::MainFrame &)> create;
};

template <class Window> VarEditorWindow *Create(uibase::MainFrame &frame)
{
    return new Window(frame);
}

const std::vector<NewEntry> &NewEntries()
{
    static const std::vector<NewEntry> entries{
        {"TI-82 Program", true, Create<tibasic::ui::TfrmVarProg82>},
        {"TI-82 List", true, Create<TfrmVarList>},
        {"TI-82 Real Variable", true, Create<TfrmVarReal>},
        {"TI-83 Program", false, Create<tibasic::ui::TfrmVarProg83>},
        {"TI-83 List", false, Create<TfrmVarList>},
        {"TI-83 Real Variable", false, Create<TfrmVarReal>},
        {"TI-83 Complex Variable", false, Create<TfrmVarComplex>},
        {"TI-83 String", false, Create<TfrmVarString>},
    };
    return entries;
}

} // namespace

void RegisterVariableEditors(EditorRegistry &registry)
{
    registry.add<TfrmVarList>({QStringLiteral("82L"), QStringLiteral("83L")});
    registry.add<TfrmVarReal>({QStringLiteral("82N"), QStringLiteral("83N")});
    registry.add<TfrmVarComplex>({QStringLiteral("83C")});
    registry.add<TfrmVarString>({QStringLiteral("83S")});
    registry.add<tibasic::ui::TfrmVarProg82>({QStringLiteral("82P")});
    registry.add<tibasic::ui::TfrmVarProg83>({QStringLiteral("83P")});
}

void AddNewVariableActions(QMenu &menu, uibase::MainFrame &frame, std::function<int()> nextUntitled)
{
    bool firstTI83 = true;
    for (const NewEntry &entry : NewEntries()) {
        if (!entry.isTI82 && firstTI83) {
            menu.addSeparator();
            firstTI83 = false;
        }
        QObject::connect(menu.addAction(QString::fromLatin1(entry.caption)), &QAction::triggered,
                         &menu, [&frame, entry, nextUntitled] {
                             VarEditorWindow *window = entry.create(frame);
                             window->prepareNew(entry.isTI82, nextUntitled());
                             frame.addDocument(window);
                             frame.rebuildWindowMenu();
                         });
    }
}

} // namespace vexil::vareditors
