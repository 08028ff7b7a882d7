// SPDX-License-Identifier: GPL-3.0-or-later
// A whole 96 x 64 screen as assembler data, to paste into a source: the line
// "; Image data", then one ".db" line of 12 bytes per row, lines ended by CR LF.
#pragma once

#include "tools/Sprite.h"

#include <string>

namespace vexil::tools {

// ".db" + a tab + "$XX" twelve times, joined by "," without blanks.
std::string ImageDataText(const SpriteGrid &cells);

} // namespace vexil::tools
