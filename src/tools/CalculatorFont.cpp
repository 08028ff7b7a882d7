// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CalculatorFont.h"

#include "tools/CalculatorFontData.h"

namespace vexil::tools {

Glyph CalculatorGlyph(varfile::CalcModel model, CalculatorFont font, std::uint8_t code)
{
    const bool large = font == CalculatorFont::Large;
    const auto &table = model == varfile::CalcModel::TI82
                            ? (large ? fontdata::kLarge82 : fontdata::kSmall82)
                            : (large ? fontdata::kLarge83 : fontdata::kSmall83);
    const fontdata::GlyphBits &bits = table[code];
    return Glyph(bits.width, large ? kLargeGlyphHeight : kSmallGlyphHeight, bits.rows.data());
}

} // namespace vexil::tools
