// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Sprite.h"

namespace vexil::tools {

std::vector<std::uint8_t> RowBytes(const SpriteGrid &cells, int x, int y, int width)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>((width + 7) / 8), 0);
    for (int column = 0; column < width; ++column) {
        if (cells.at(x + column, y)) {
            bytes[static_cast<std::size_t>(column / 8)] |=
                static_cast<std::uint8_t>(0x80 >> (column % 8));
        }
    }
    return bytes;
}

void PasteSprite(const Sprite &source, Sprite &target)
{
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < source.width; ++x) {
            target.cells.set(x, y, source.cells.at(x, y));
        }
    }
    target.width = source.width;
    target.height = source.height;
}

} // namespace vexil::tools
