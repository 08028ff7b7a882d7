// SPDX-License-Identifier: GPL-3.0-or-later
// A picture turned into sprite cells. The window reads pictures with Qt, vexil-cli
// with DecodeImage; both hand over 8-bit RGBA pixels, so both make the same cells.
#pragma once

#include "tools/Sprite.h"

#include <cstdint>
#include <vector>

namespace vexil::tools {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 4 bytes: R, G, B, A, top row first
};

// Black and white: a pixel is ink when it is mostly opaque and darker than middle grey.
bool IsInkPixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::uint8_t alpha);

// The top-left 96 x 64 pixels at most, as a sprite of the image's size (cut to that).
// The image has at least one pixel.
Sprite SpriteFromImage(const RgbaImage &image);

} // namespace vexil::tools
