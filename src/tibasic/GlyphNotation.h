// SPDX-License-Identifier: GPL-3.0-or-later
// How the tables of this library write Keyboard Font glyphs: byte 0x80-0xFF as
// {XX}, its two hexadecimal digits in braces, so every row reads like the glyph
// chart it was copied from ("{E5}DMS" is E5 44 4D 53). A brace that is not followed
// by two hexadecimal digits and a closing brace is itself (the tokens "{" and "}").
#pragma once

#include <string>
#include <string_view>

namespace vexil::tibasic {

// The 8-bit text the notation stands for.
std::string ExpandGlyphNotation(std::string_view written);

// The notation as UTF-8 for display: each {XX} becomes its Keyboard Font glyph's
// Unicode spelling; every other byte is kept, so a display text may also hold
// characters that are no glyph of the font (the "÷" on a key).
std::string GlyphNotationToUtf8(std::string_view written);

} // namespace vexil::tibasic
