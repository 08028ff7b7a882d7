// SPDX-License-Identifier: GPL-3.0-or-later
// What each character code of the calculators stands for, in a few words and with
// the nearest Unicode character where there is one: "capital A", "store arrow →".
#pragma once

#include "tools/CalculatorFont.h"

#include <string>

namespace vexil::tools {

// Empty when the font has no glyph for the code. The name depends on the font
// because the two fonts draw different things at a few codes (the cursors of the
// large font are plot icons in the small one).
std::string CharacterName(varfile::CalcModel model, CalculatorFont font, std::uint8_t code);

} // namespace vexil::tools
