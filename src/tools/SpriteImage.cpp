// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SpriteImage.h"

#include <algorithm>

namespace vexil::tools {

bool IsInkPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha)
{
    // Luminance by the ITU-R BT.601 weights, in thousandths.
    const int luminance = 299 * red + 587 * green + 114 * blue;
    return alpha >= 128 && luminance < 128 * 1000;
}

Sprite SpriteFromImage(const RgbaImage &image)
{
    Sprite sprite;
    sprite.width = std::clamp(image.width, 1, kSpriteColumns);
    sprite.height = std::clamp(image.height, 1, kSpriteRows);
    for (int y = 0; y < std::min(image.height, kSpriteRows); ++y) {
        for (int x = 0; x < std::min(image.width, kSpriteColumns); ++x) {
            const std::uint8_t *p =
                &image.pixels[(static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                               static_cast<std::size_t>(x)) *
                              4];
            sprite.cells.set(x, y, IsInkPixel(p[0], p[1], p[2], p[3]));
        }
    }
    return sprite;
}

} // namespace vexil::tools
