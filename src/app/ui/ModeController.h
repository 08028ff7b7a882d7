// SPDX-License-Identifier: GPL-3.0-or-later
// Development mode (TI-82 or TI-83) and the target shell of each model: the menu items,
// the toolbar lists and the options record kept in step.
#pragma once

#include "app/Options.h"
#include "app/ui/MainActions.h"

#include <QObject>

namespace vexil::app {

// Which header and include files the header commands open: 0 TI-82 with Ash,
// 1 TI-83, 2 TI-82 with CrASH.
enum class HeaderKind { Ti82Ash = 0, Ti83 = 1, Ti82Crash = 2 };

class ModeController : public QObject {
    Q_OBJECT
public:
    ModeController(Options &options, MainActions &actions, QObject *parent = nullptr);

    void setTI82Mode();
    void setTI83Mode();
    // target: 0 Ash 3.0, 1 CrASH 1.3, 2 TI-83 in-built, 3 AShell83 1.0. Switches to the
    // model of the shell.
    void chooseTarget(int target);
    // Applies the mode and shells of the options record (start-up, after "Use Default").
    void applyStoredMode();

    HeaderKind headerKind() const { return headerKind_; }

signals:
    void modeChanged();

private:
    void showState();
    void showHeaderItems();

    Options &options_;
    MainActions &actions_;
    HeaderKind headerKind_ = HeaderKind::Ti82Ash;
};

} // namespace vexil::app
