// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the TI-ASCII table: 17 x 17 cells of 24 x 24 pixels, the hexadecimal
// digits across the top (low digit) and down the left (high digit), and each code's
// glyph at three times its size. It uses four colours only, which the window swaps
// for the system's button colours when it paints.
#pragma once

#include "tools/CalculatorFont.h"

#include <optional>
#include <vector>

namespace vexil::tools {

enum class TableColour : std::uint8_t {
    Black,  // ink
    White,  // the space a glyph takes; the light edge of the headers
    Grey,   // grid lines; the dark edge of the headers
    Silver, // headers, and cells without a glyph
};

inline constexpr int kTableCellSize = 24;
inline constexpr int kTableCells = 17;
inline constexpr int kTableSize = kTableCellSize * kTableCells; // 408

struct TablePicture {
    std::vector<TableColour> pixels; // kTableSize rows of kTableSize, top row first
    TableColour at(int x, int y) const
    {
        return pixels[static_cast<std::size_t>(y * kTableSize + x)];
    }
};

TablePicture RenderCharsetTable(varfile::CalcModel model, CalculatorFont font);

// The code of the cell under the point (picture coordinates), or nothing over the
// headers and outside the picture.
std::optional<std::uint8_t> CodeAtTablePoint(int x, int y);

} // namespace vexil::tools
