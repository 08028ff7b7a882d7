// SPDX-License-Identifier: GPL-3.0-or-later
// Black-and-white cells written as a PNG or BMP picture, for the Image Converter's
// bitmap files and vexil-cli's exports alike.
#pragma once

#include "tools/Sprite.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vexil::tools {

enum class ImageFormat { Png, Bmp };

// The format a file name asks for by its extension (".png" or ".bmp", in any case).
std::optional<ImageFormat> ImageFormatOfName(const std::filesystem::path &path);

// The top-left width x height cells (at most 96 x 64), dark cells black and the
// others white: a 1-bit BMP, or an 8-bit grey PNG.
std::vector<std::uint8_t> EncodeBlackAndWhite(const SpriteGrid &cells, int width, int height,
                                              ImageFormat format);

} // namespace vexil::tools
