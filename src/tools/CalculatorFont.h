// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators' own character set as they draw it: the large font of the home
// screen (5 x 7 ink in a 6 x 8 cell) and the small font of the graph screen (6 rows,
// 1 to 6 pixels wide including the blank column that ends most glyphs), for each
// model and each of the 256 codes.
#pragma once

#include "varfile/CalcModel.h"

#include <cstdint>

namespace vexil::tools {

enum class CalculatorFont { Large, Small };

inline constexpr int kLargeGlyphWidth = 6;
inline constexpr int kLargeGlyphHeight = 8;
inline constexpr int kSmallGlyphHeight = 6;
inline constexpr int kSmallGlyphMaxWidth = 6;

class Glyph {
public:
    Glyph(int width, int height, const std::uint8_t *rows)
        : width_(width), height_(height), rows_(rows)
    {
    }

    // False for a code the font has no glyph for.
    bool defined() const { return width_ > 0; }
    // The advance in pixels; always 6 in the large font.
    int width() const { return width_; }
    int height() const { return height_; }
    bool ink(int x, int y) const
    {
        return x >= 0 && x < width_ && y >= 0 && y < height_ && (rows_[y] & (0x80 >> x)) != 0;
    }

private:
    int width_;
    int height_;
    const std::uint8_t *rows_;
};

Glyph CalculatorGlyph(varfile::CalcModel model, CalculatorFont font, std::uint8_t code);

// The new-line code: the calculators never draw it, so its cell shows a return mark.
inline constexpr std::uint8_t kNewLineCode = 0xD6;

} // namespace vexil::tools
