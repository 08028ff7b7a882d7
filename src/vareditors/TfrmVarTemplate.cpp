// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/TfrmVarTemplate.h"

#include "app/uibase/DialogService.h"

#include <QCloseEvent>

namespace vexil::vareditors {

using uibase::Answer;
using uibase::Dialogs;

TfrmVarTemplate::TfrmVarTemplate(uibase::MainFrame &frame, QWidget *parent)
    : QWidget(parent), frame_(frame)
{
}

bool TfrmVarTemplate::SaveAs()
{
    const QString previous = FileName;
    FileName.clear();
    const bool saved = SaveFile();
    if (!saved) {
        FileName = previous;
    }
    frame_.rebuildWindowMenu();
    if (saved && !FileName.isEmpty()) {
        frame_.addRecentFile(FileName);
    }
    return saved;
}

QString TfrmVarTemplate::questionName() const
{
    return FileName.isEmpty() ? windowTitle() : FileName;
}

bool TfrmVarTemplate::CloseQuery()
{
    if (alwaysMayClose() || !isModified()) {
        return true;
    }
    const Answer answer = Dialogs().message(
        uibase::MessageKind::Warning, questionName() + QStringLiteral(" has changed.  Save now?"),
        uibase::Buttons::YesNoCancel);
    switch (answer) {
    case Answer::Yes:
        return SaveFile();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void TfrmVarTemplate::closeEvent(QCloseEvent *event)
{
    if (CloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace vexil::vareditors
