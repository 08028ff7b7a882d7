// SPDX-License-Identifier: GPL-3.0-or-later
// PNG, BMP, JPEG and GIF pictures read into 8-bit RGBA pixels, for the programs that
// have no Qt to read pictures with.
#pragma once

#include "tools/SpriteImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace vexil::tools {

// The largest picture read, in pixels each way.
inline constexpr int kMaxDecodedSide = 8192;

// The message for a picture larger than kMaxDecodedSide.
std::string PictureTooLargeMessage(long long width, long long height);

// The picture, or a message saying why it could not be read. The format is told by
// the file's first bytes, not by its name.
std::variant<RgbaImage, std::string> DecodeImage(std::span<const std::uint8_t> bytes);

} // namespace vexil::tools
