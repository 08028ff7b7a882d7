// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/TfrmVarTemplate.h"

#include "base/ui/DialogService.h"

#include <QCloseEvent>

namespace vexil::uibase {

TfrmVarTemplate::TfrmVarTemplate(MainFrame &frame, QWidget *parent) : QWidget(parent), frame_(frame)
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
        MessageKind::Warning, questionName() + QStringLiteral(" has changed.  Save now?"),
        Buttons::YesNoCancel);
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

} // namespace vexil::uibase
