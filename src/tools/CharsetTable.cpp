// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CharsetTable.h"

namespace vexil::tools {
namespace {

constexpr int kGlyphScale = 3;
constexpr int kDigitScale = 2;

class Canvas {
public:
    explicit Canvas(TablePicture &picture) : picture_(picture) {}

    void fill(int x, int y, int width, int height, TableColour colour)
    {
        for (int row = y; row < y + height; ++row) {
            for (int column = x; column < x + width; ++column) {
                picture_.pixels[static_cast<std::size_t>(row * kTableSize + column)] = colour;
            }
        }
    }

    void glyph(const Glyph &glyph, int x, int y, int scale)
    {
        for (int row = 0; row < glyph.height(); ++row) {
            for (int column = 0; column < glyph.width(); ++column) {
                if (glyph.ink(column, row)) {
                    fill(x + column * scale, y + row * scale, scale, scale, TableColour::Black);
                }
            }
        }
    }

private:
    TablePicture &picture_;
};

// A header cell looks like a button face: silver with a light top-left edge and a
// dark bottom-right one, and its digit in the large font.
void DrawHeader(Canvas &canvas, varfile::CalcModel model, int cellX, int cellY, int digit)
{
    const int x = cellX * kTableCellSize;
    const int y = cellY * kTableCellSize;
    canvas.fill(x, y, kTableCellSize, 1, TableColour::White);
    canvas.fill(x, y, 1, kTableCellSize, TableColour::White);
    canvas.fill(x, y + kTableCellSize - 1, kTableCellSize, 1, TableColour::Grey);
    canvas.fill(x + kTableCellSize - 1, y, 1, kTableCellSize, TableColour::Grey);
    if (digit < 0) {
        return;
    }
    const auto code = static_cast<std::uint8_t>(digit < 10 ? '0' + digit : 'A' + digit - 10);
    // The ink of a large glyph is columns 1-5 and rows 0-6: centre that 10 x 14 box
    // between the edges.
    canvas.glyph(CalculatorGlyph(model, CalculatorFont::Large, code), x + 7 - kDigitScale, y + 5,
                 kDigitScale);
}

void DrawCode(Canvas &canvas, varfile::CalcModel model, CalculatorFont font, int code)
{
    const int x = (code % 16 + 1) * kTableCellSize;
    const int y = (code / 16 + 1) * kTableCellSize;
    // The grid line on the left and top of every cell; the cell's inside is 23 x 23.
    canvas.fill(x, y, kTableCellSize, 1, TableColour::Grey);
    canvas.fill(x, y, 1, kTableCellSize, TableColour::Grey);
    const Glyph glyph = CalculatorGlyph(model, font, static_cast<std::uint8_t>(code));
    if (!glyph.defined()) {
        return;
    }
    constexpr int inside = kTableCellSize - 1;
    if (font == CalculatorFont::Large) {
        canvas.fill(x + 1, y + 1, inside, inside, TableColour::White);
        // Ink columns 1-5 and rows 0-6, 15 x 21 pixels, in the middle of the cell.
        canvas.glyph(glyph, x + 1 + (inside - 15) / 2 - kGlyphScale, y + 1 + (inside - 21) / 2,
                     kGlyphScale);
        return;
    }
    // A small glyph shows its width: the white box is the space it takes on the screen.
    const int boxWidth = glyph.width() * kGlyphScale;
    const int boxHeight = glyph.height() * kGlyphScale;
    const int left = x + 1 + (inside - boxWidth) / 2;
    const int top = y + 1 + (inside - boxHeight) / 2;
    canvas.fill(left, top, boxWidth, boxHeight, TableColour::White);
    canvas.glyph(glyph, left, top, kGlyphScale);
}

} // namespace

TablePicture RenderCharsetTable(varfile::CalcModel model, CalculatorFont font)
{
    TablePicture picture;
    picture.pixels.assign(static_cast<std::size_t>(kTableSize * kTableSize), TableColour::Silver);
    Canvas canvas(picture);
    DrawHeader(canvas, model, 0, 0, -1);
    for (int digit = 0; digit < 16; ++digit) {
        DrawHeader(canvas, model, digit + 1, 0, digit);
        DrawHeader(canvas, model, 0, digit + 1, digit);
    }
    for (int code = 0; code < 256; ++code) {
        DrawCode(canvas, model, font, code);
    }
    // Close the grid on the right and at the bottom.
    canvas.fill(kTableSize - 1, kTableCellSize, 1, kTableSize - kTableCellSize, TableColour::Grey);
    canvas.fill(kTableCellSize, kTableSize - 1, kTableSize - kTableCellSize, 1, TableColour::Grey);
    return picture;
}

std::optional<std::uint8_t> CodeAtTablePoint(int x, int y)
{
    if (x <= kTableCellSize || y <= kTableCellSize || x >= kTableSize || y >= kTableSize) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>((y / kTableCellSize - 1) * 16 + (x / kTableCellSize - 1));
}

} // namespace vexil::tools
