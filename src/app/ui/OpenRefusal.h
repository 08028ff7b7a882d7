// SPDX-License-Identifier: GPL-3.0-or-later
// Files the main window will not open in the window their extension calls for:
// a file of the TI-83 Plus or another calculator in any window, and a TI-82 or
// TI-83 variable file in a text window, where a save would rewrite it as text.
// Once an editor is registered for a kind's extension, its files open there.
#pragma once

#include "base/ui/EditorRegistry.h"

#include <QString>

#include <optional>

namespace vexil::app {

// The message to show instead of opening `path` in `editor`, or nothing.
std::optional<QString> OpenRefusal(const QString &path, const uibase::EditorClass &editor,
                                   const uibase::EditorRegistry &registry);

} // namespace vexil::app
