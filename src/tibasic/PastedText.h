// SPDX-License-Identifier: GPL-3.0-or-later
// Other people's spellings of the Keyboard Font glyphs, for text pasted into a
// program editor: other Unicode forms of the same glyph (∆ for Δ, ▶ for ►) and the
// ASCII names TI-BASIC sources on the web use ("->" for →, "theta" for θ, "\pi\").
// This is deliberately lossy and therefore separate from the exact table in
// KeyboardFont.h. Only spellings that cannot be read as other valid tokens of either
// model are rewritten, and ASCII names are left alone inside string literals.
// Callers should put the text through Unicode NFC first (never NFKC, which turns
// superscripts and subscripts into plain digits and letters).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::tibasic {

struct NormalisedText {
    std::u32string text;
    // For each character of `text`, the index of the input character it came from,
    // so a position found in the result can be shown in the user's own text.
    std::vector<std::size_t> source;
};

NormalisedText NormaliseSpellings(std::u32string_view text);

// UTF-8 in, UTF-8 out. Text that is not valid UTF-8 is returned unchanged.
std::string NormalisePastedText(std::string_view utf8);

} // namespace vexil::tibasic
