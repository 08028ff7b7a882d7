// SPDX-License-Identifier: GPL-3.0-or-later
// GIF pictures for the programs without Qt: the first frame on its logical screen.
#pragma once

#include "tools/SpriteImage.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace vexil::tools {

// The first frame of a GIF, drawn at its place on the picture's logical screen;
// what the frame leaves uncovered and its transparent colour are transparent. Or a
// message saying why it could not be read.
std::variant<RgbaImage, std::string> DecodeGif(std::span<const std::uint8_t> bytes);

} // namespace vexil::tools
