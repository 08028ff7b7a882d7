// SPDX-License-Identifier: GPL-3.0-or-later
// Double-quoted strings of .DB, .TEXT, .ECHO and friends, with their escapes.
#pragma once

#include <string>
#include <string_view>

namespace vexil::tasm {

// `quoted` starts at the opening quote. Returns false when the closing quote is
// missing; `out` then holds what was read. `rest` receives the text after the quote.
bool DecodeString(std::string_view quoted, std::string &out, std::string_view *rest = nullptr);

} // namespace vexil::tasm
