// SPDX-License-Identifier: GPL-3.0-or-later
// A new assembler source window, started from the header template of the current
// target when the options ask for it, with the caret where the template's "|" was.
#pragma once

#include "base/ui/MainFrame.h"

namespace vexil::editor {

class TfrmSource;

// The window is clean and not yet in the frame. A template that cannot be read gives
// an empty source, without a message.
TfrmSource *CreateNewSource(uibase::MainFrame &frame, const QString &caption);

} // namespace vexil::editor
