// SPDX-License-Identifier: GPL-3.0-or-later
// The Keyboard Font as Unicode. Token texts keep their 8-bit code points in memory
// and in every algorithm; only display, typing and the clipboard convert, through
// this one fixed table. Bytes below 0x80 are themselves; each of 0x80-0xFF has its
// own Unicode spelling (one code point, or two for p-hat, x-bar and the inverse),
// so text converts to Unicode and back to the very same bytes.
// docs/keyboard-font.md lists the table with the reasons for each choice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::tibasic {

// The Unicode spelling of one 8-bit character.
std::u32string_view KeyboardFontGlyph(std::uint8_t byte);

struct KeyboardFontMatch {
    std::uint8_t byte;
    std::size_t length; // code points covered: 1, or 2 for a letter with its mark
};

// The 8-bit character whose spelling starts at `position` of `text`, longest
// spelling first (so "⁻¹" is the inverse, not negation followed by "¹").
std::optional<KeyboardFontMatch> MatchKeyboardFont(std::u32string_view text, std::size_t position);

std::string KeyboardFontToUtf8(std::string_view eightBit);

struct KeyboardFontText {
    std::string text;         // 8-bit; complete only when ok()
    std::size_t failedAt = 0; // 1-based code-point position of the first character
                              // that is not valid UTF-8 or has no 8-bit code

    bool ok() const { return failedAt == 0; }
};

KeyboardFontText KeyboardFontFromUtf8(std::string_view utf8);

} // namespace vexil::tibasic
