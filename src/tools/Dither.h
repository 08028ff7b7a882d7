// SPDX-License-Identifier: GPL-3.0-or-later
// Any picture made into the calculator's black and white: levels of grey taken over
// a white background, optionally shrunk to fit the screen, then reduced to two
// colours by a fixed threshold, ordered dithering or Floyd-Steinberg error diffusion.
// The Image Converter and vexil-cli share this, so both give the same cells.
#pragma once

#include "tools/Sprite.h"
#include "tools/SpriteImage.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vexil::tools {

// Levels of grey from 0 (black) to 255 (white), top row first.
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> levels;
    std::uint8_t at(int x, int y) const
    {
        return levels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// What a user is told when a picture has more than black and white in it.
inline constexpr const char *kForcedBlackAndWhiteMessage =
    "This bitmap is not monochrome.  It will be forced to black and white.";

// Luminance by the ITU-R BT.601 weights, each pixel laid over white by its alpha.
GreyImage GreyOf(const RgbaImage &image);

// True when every pixel is pure black or pure white once laid over white.
bool IsBlackAndWhite(const GreyImage &image);

// The image scaled down, keeping its proportions, until it fits width x height;
// each new pixel is the mean of the pixels it covers. An image that fits is kept.
GreyImage ShrinkToFit(const GreyImage &image, int width, int height);

enum class DitherMethod { Threshold, Ordered, FloydSteinberg };

// "threshold", "ordered" or "floyd", as vexil-cli spells them.
std::optional<DitherMethod> DitherMethodNamed(std::string_view name);

struct BlackAndWhite {
    DitherMethod method = DitherMethod::Threshold;
    int threshold = 128; // Threshold: a level below it is dark
    bool invert = false; // dark and light swapped in the image (not in the margin)
};

// The top-left 96 x 64 pixels at most, reduced to dark and light cells; the cells
// the image does not reach stay light.
SpriteGrid ToBlackAndWhite(const GreyImage &image, const BlackAndWhite &rule);

struct ConvertOptions {
    BlackAndWhite rule;
    // Shrink a larger image to fit fitWidth x fitHeight instead of cutting it.
    bool shrinkToFit = false;
    int fitWidth = kSpriteColumns;
    int fitHeight = kSpriteRows;
};

SpriteGrid ConvertImage(const RgbaImage &image, const ConvertOptions &options);

} // namespace vexil::tools
