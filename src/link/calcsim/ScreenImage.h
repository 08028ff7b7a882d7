// SPDX-License-Identifier: GPL-3.0-or-later
// The 96x64 screen the simulated calculator shows, taken from a picture variable
// file or a PBM image.
#pragma once

#include "link/calcsim/SimCalculator.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>

namespace vexil::link::calcsim {

// A screen, or the message saying why the image cannot be one.
using ScreenResult = std::variant<Screen, std::string>;

// A picture variable (.82i/.83i: 96x63, the bottom row stays light) or a PBM in
// plain (P1) or raw (P4) form; a larger image is cut to the top-left 96x64, a
// smaller one padded with light pixels.
ScreenResult ScreenFromBytes(std::span<const uint8_t> bytes);
ScreenResult LoadScreenImage(const std::filesystem::path &path);

} // namespace vexil::link::calcsim
