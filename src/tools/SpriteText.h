// SPDX-License-Identifier: GPL-3.0-or-later
// A sprite as assembler data: a comment line, the label, and one ".db" line per row
// of cells, optionally cut into square segments that each get a label of their own.
// Lines end in CR LF, as in every text file Vexil writes.
#pragma once

#include "tools/Sprite.h"

#include <optional>
#include <string>
#include <string_view>

namespace vexil::tools {

// One piece of a sprite cut into segments of size x size cells; the last column and
// row of segments are narrower or lower when the size does not divide the sprite.
struct SpriteSegment {
    int column = 0; // index across, from 0
    int row = 0;    // index down, from 0
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Row of segments by row, left to right. size is at least 1.
std::vector<SpriteSegment> SplitIntoSegments(int width, int height, int size);

// ".db $80, $00"
std::string DbLine(const std::vector<std::uint8_t> &bytes);

struct SpriteText {
    std::string text;
    // Cut into segments: 3 for every segment (its label) and 1 for every data byte.
    std::optional<int> byteCount;
};

// segmentSize: none for one block of rows, else the segment size (at least 1).
SpriteText WriteSpriteText(const Sprite &sprite, std::string_view label,
                           std::optional<int> segmentSize);

// The message shown once the text is on the clipboard.
std::string SpriteCopiedMessage(const SpriteText &text);

} // namespace vexil::tools
