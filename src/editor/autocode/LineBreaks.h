// SPDX-License-Identifier: GPL-3.0-or-later
// Text files of the program use CR LF; text from other editors, the clipboard or a
// text box may use lone LF or CR.
#pragma once

#include <string>
#include <string_view>

namespace vexil::editor {

// Every CR LF, lone CR and lone LF replaced by CR LF.
std::string WithCrLfLineBreaks(std::string_view text);

} // namespace vexil::editor
