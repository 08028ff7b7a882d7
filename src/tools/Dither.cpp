// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Dither.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vexil::tools {
namespace {

// The recursive 8 x 8 Bayer matrix: every level from 0 to 63 once, each one as far
// from its neighbours in order as the grid allows, so a flat grey turns into an
// even pattern.
constexpr std::array<std::array<std::uint8_t, 8>, 8> kBayer = {{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

// Levels 0 to 255 spread over the matrix: 2, 6, ... 254, so pure black and pure
// white never change.
int OrderedThreshold(int x, int y)
{
    return kBayer[static_cast<std::size_t>(y % 8)][static_cast<std::size_t>(x % 8)] * 4 + 2;
}

// Error diffusion by the Floyd-Steinberg weights, each row in the opposite
// direction to the one before, so the error does not drift to one side.
void Diffuse(const GreyImage &image, int width, int height, SpriteGrid &cells)
{
    // Levels times 16, so the sixteenths of the weights stay whole numbers; one
    // spare entry at each end takes the error pushed past the edges.
    std::vector<int> current(static_cast<std::size_t>(width) + 2);
    std::vector<int> next(current.size());
    const auto load = [&](std::vector<int> &row, int y) {
        for (int x = 0; x < width; ++x) {
            row[static_cast<std::size_t>(x) + 1] = image.at(x, y) * 16;
        }
    };
    load(current, 0);
    for (int y = 0; y < height; ++y) {
        std::fill(next.begin(), next.end(), 0);
        if (y + 1 < height) {
            load(next, y + 1);
        }
        const int step = y % 2 == 0 ? 1 : -1;
        for (int i = 0; i < width; ++i) {
            const int x = step > 0 ? i : width - 1 - i;
            const auto entry = [x](int offset) { return static_cast<std::size_t>(x + 1 + offset); };
            const int level = current[entry(0)];
            const bool dark = level < 128 * 16;
            cells.set(x, y, dark);
            const int error = level - (dark ? 0 : 255 * 16);
            current[entry(step)] += error * 7 / 16;
            next[entry(-step)] += error * 3 / 16;
            next[entry(0)] += error * 5 / 16;
            next[entry(step)] += error / 16;
        }
        std::swap(current, next);
    }
}

} // namespace

GreyImage GreyOf(const RgbaImage &image)
{
    GreyImage grey;
    grey.width = image.width;
    grey.height = image.height;
    grey.levels.resize(static_cast<std::size_t>(image.width) *
                       static_cast<std::size_t>(image.height));
    for (std::size_t i = 0; i < grey.levels.size(); ++i) {
        const std::uint8_t *p = &image.pixels[i * 4];
        // Thousandths of a level, then laid over white by the alpha.
        const int luminance = 299 * p[0] + 587 * p[1] + 114 * p[2];
        const int over = (luminance * p[3] + 255 * 1000 * (255 - p[3]) + 255 * 500) / (255 * 1000);
        grey.levels[i] = static_cast<std::uint8_t>(std::clamp(over, 0, 255));
    }
    return grey;
}

bool IsBlackAndWhite(const GreyImage &image)
{
    return std::all_of(image.levels.begin(), image.levels.end(),
                       [](std::uint8_t level) { return level == 0 || level == 255; });
}

GreyImage ShrinkToFit(const GreyImage &image, int width, int height)
{
    if (image.width <= width && image.height <= height) {
        return image;
    }
    const double scale = std::min(static_cast<double>(width) / image.width,
                                  static_cast<double>(height) / image.height);
    GreyImage out;
    out.width = std::clamp(static_cast<int>(std::lround(image.width * scale)), 1, width);
    out.height = std::clamp(static_cast<int>(std::lround(image.height * scale)), 1, height);
    out.levels.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        const int top = y * image.height / out.height;
        const int bottom = std::max(top + 1, (y + 1) * image.height / out.height);
        for (int x = 0; x < out.width; ++x) {
            const int left = x * image.width / out.width;
            const int right = std::max(left + 1, (x + 1) * image.width / out.width);
            long sum = 0;
            for (int sy = top; sy < bottom; ++sy) {
                for (int sx = left; sx < right; ++sx) {
                    sum += image.at(sx, sy);
                }
            }
            const long count = static_cast<long>(bottom - top) * (right - left);
            out.levels[static_cast<std::size_t>(y) * static_cast<std::size_t>(out.width) +
                       static_cast<std::size_t>(x)] =
                static_cast<std::uint8_t>((sum + count / 2) / count);
        }
    }
    return out;
}

std::optional<DitherMethod> DitherMethodNamed(std::string_view name)
{
    if (name == "threshold") {
        return DitherMethod::Threshold;
    }
    if (name == "ordered") {
        return DitherMethod::Ordered;
    }
    if (name == "floyd") {
        return DitherMethod::FloydSteinberg;
    }
    return std::nullopt;
}

SpriteGrid ToBlackAndWhite(const GreyImage &image, const BlackAndWhite &rule)
{
    SpriteGrid cells;
    const int width = std::min(image.width, static_cast<int>(kSpriteColumns));
    const int height = std::min(image.height, static_cast<int>(kSpriteRows));
    if (width <= 0 || height <= 0) {
        return cells;
    }
    if (rule.method == DitherMethod::FloydSteinberg) {
        Diffuse(image, width, height, cells);
    } else {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int threshold =
                    rule.method == DitherMethod::Ordered ? OrderedThreshold(x, y) : rule.threshold;
                cells.set(x, y, image.at(x, y) < threshold);
            }
        }
    }
    if (rule.invert) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                cells.set(x, y, !cells.at(x, y));
            }
        }
    }
    return cells;
}

SpriteGrid ConvertImage(const RgbaImage &image, const ConvertOptions &options)
{
    GreyImage grey = GreyOf(image);
    if (options.shrinkToFit) {
        grey = ShrinkToFit(grey, options.fitWidth, options.fitHeight);
    }
    return ToBlackAndWhite(grey, options.rule);
}

} // namespace vexil::tools
