// SPDX-License-Identifier: GPL-3.0-or-later
// Reads sprite data back from assembler text: the lines WriteSpriteText writes, and
// the usual ways of spelling a byte ($80, 80h, %10000000, 10000000b, 128). Labels of
// the form name_column_row place each segment; comments and blank lines are skipped.
#pragma once

#include "tools/Sprite.h"

#include <optional>
#include <string>
#include <string_view>

namespace vexil::tools {

// The segment sizes that fit a text cut into one row of several segments: the text
// alone does not tell where in a segment's last byte its width ends.
struct SegmentSizeRange {
    int lowest = 1;
    int highest = 1;
};

struct SpriteReadResult {
    std::optional<Sprite> sprite; // the cells read, all others off
    std::string label;            // the sprite's label, when the text has one
    std::string error;            // why nothing was read
    // Set instead of sprite when the segment size must be given: read again with one.
    std::optional<SegmentSizeRange> segmentSizeNeeded;
};

// segmentSize is used only where the text leaves it open. A sprite is as wide as its
// rows' bytes hold, except that a segment is never wider than the segment size.
SpriteReadResult ReadSpriteText(std::string_view text, std::optional<int> segmentSize = {});

} // namespace vexil::tools
