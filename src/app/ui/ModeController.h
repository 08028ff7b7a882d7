// SPDX-License-Identifier: GPL-3.0-or-later
// Development mode (TI-82 or TI-83) and the target shell of each model: the menu items,
// the toolbar lists and the options record kept in step.
#pragma once

#include "app/Options.h"
#include "app/ui/MainActions.h"

#include <QObject>

namespace vexil::app {

class ModeController : public QObject {
    Q_OBJECT
public:
    ModeController(Options &options, MainActions &actions, QObject *parent = nullptr);

    void setTI82Mode();
    void setTI83Mode();
    // Switches to the model of the shell.
    void chooseTarget(assemble::ShellTarget target);
    // Applies the mode and shells of the options record (start-up, after "Use Default").
    void applyStoredMode();

    // The target the header and include commands open the files of.
    assemble::ShellTarget target() const { return SelectedTarget(options_); }

signals:
    void modeChanged();

private:
    void showState();
    void showHeaderItems();

    Options &options_;
    MainActions &actions_;
};

} // namespace vexil::app
