// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/GlyphNotation.h"

#include "tibasic/KeyboardFont.h"

#include <optional>

namespace vexil::tibasic {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The byte a {XX} at `i` stands for.
std::optional<unsigned char> GlyphAt(std::string_view written, std::size_t i)
{
    if (written[i] != '{' || i + 3 >= written.size() || written[i + 3] != '}') {
        return std::nullopt;
    }
    const int high = HexDigit(written[i + 1]);
    const int low = HexDigit(written[i + 2]);
    if (high < 0 || low < 0) {
        return std::nullopt;
    }
    return static_cast<unsigned char>(high * 16 + low);
}

template <typename Append> void Expand(std::string_view written, Append append)
{
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (const auto glyph = GlyphAt(written, i)) {
            append(*glyph, true);
            i += 3;
        } else {
            append(static_cast<unsigned char>(written[i]), false);
        }
    }
}

} // namespace

std::string ExpandGlyphNotation(std::string_view written)
{
    std::string text;
    Expand(written, [&](unsigned char byte, bool) { text.push_back(static_cast<char>(byte)); });
    return text;
}

std::string GlyphNotationToUtf8(std::string_view written)
{
    std::string utf8;
    Expand(written, [&](unsigned char byte, bool isGlyph) {
        if (isGlyph) {
            const char eightBit = static_cast<char>(byte);
            utf8 += KeyboardFontToUtf8(std::string_view(&eightBit, 1));
        } else {
            utf8.push_back(static_cast<char>(byte));
        }
    });
    return utf8;
}

} // namespace vexil::tibasic
