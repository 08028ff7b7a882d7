// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own help viewer: the HTML pages of help/ in the program directory,
// one anchor per topic (IDH_...), shown in a single reusable window.
#pragma once

#include <QString>

#include <filesystem>

namespace vexil::uibase {

inline constexpr const char *kHelpContentsPage = "help/index.html";

// Shows the contents page, or the topic's anchor on it. A missing help folder is
// reported with a message box.
void ShowHelp(const std::filesystem::path &programDirectory, const QString &topic = {});

} // namespace vexil::uibase
