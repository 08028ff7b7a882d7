// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SpriteText.h"
#include "tools/SpriteReader.h"

#include <gtest/gtest.h>

#include <random>

namespace vexil::tools {
namespace {

Sprite Blank(int width, int height)
{
    Sprite sprite;
    sprite.width = width;
    sprite.height = height;
    return sprite;
}

TEST(SpriteText, RowsWithoutSegments)
{
    Sprite sprite = Blank(10, 2);
    sprite.cells.set(0, 0, true);
    // A cell past the width is not part of the sprite.
    sprite.cells.set(10, 0, true);
    const SpriteText text = WriteSpriteText(sprite, "ship", std::nullopt);
    EXPECT_EQ(text.text, "; Sprite data for ship\r\nship:\r\n.db $80, $00\r\n.db $00, $00\r\n");
    EXPECT_FALSE(text.byteCount);
    EXPECT_EQ(SpriteCopiedMessage(text), "Sprite data copied to clipboard.");

    // The last pixel of a row is bit 0 of its last byte.
    Sprite wide = Blank(16, 1);
    wide.cells.set(15, 0, true);
    wide.cells.set(9, 0, true);
    EXPECT_EQ(DbLine(RowBytes(wide.cells, 0, 0, 16)), ".db $00, $41");
}

TEST(SpriteText, Segments)
{
    // One segment covers the whole sprite: 3 for its label and a byte per row.
    Sprite square = Blank(8, 8);
    square.cells.set(7, 7, true);
    const SpriteText one = WriteSpriteText(square, "box", 8);
    EXPECT_EQ(one.text, "; Sprite data for box\r\nbox:\r\nbox_0_0:\r\n"
                        ".db $00\r\n.db $00\r\n.db $00\r\n.db $00\r\n"
                        ".db $00\r\n.db $00\r\n.db $00\r\n.db $01\r\n");
    EXPECT_EQ(one.byteCount, 11);
    EXPECT_EQ(SpriteCopiedMessage(one),
              "Sprite data copied to clipboard (using 11 ($000B) bytes).");

    // 10 x 10 in segments of 8: the right column is 2 wide, the bottom row 2 high.
    const std::vector<SpriteSegment> segments = SplitIntoSegments(10, 10, 8);
    ASSERT_EQ(segments.size(), 4u);
    const int expected[4][6] = {
        {0, 0, 0, 0, 8, 8}, {1, 0, 8, 0, 2, 8}, {0, 1, 0, 8, 8, 2}, {1, 1, 8, 8, 2, 2}};
    for (int i = 0; i < 4; ++i) {
        const SpriteSegment &s = segments[static_cast<std::size_t>(i)];
        EXPECT_EQ((std::vector<int>{s.column, s.row, s.x, s.y, s.width, s.height}),
                  std::vector<int>(std::begin(expected[i]), std::end(expected[i])));
    }
    Sprite ten = Blank(10, 10);
    ten.cells.set(9, 9, true);
    const SpriteText four = WriteSpriteText(ten, "s", 8);
    EXPECT_EQ(four.byteCount, 32);
    EXPECT_EQ(SpriteCopiedMessage(four),
              "Sprite data copied to clipboard (using 32 ($0020) bytes).");
    EXPECT_NE(four.text.find("s_1_0:\r\n.db $00\r\n"), std::string::npos);
    EXPECT_TRUE(four.text.ends_with("s_1_1:\r\n.db $00\r\n.db $40\r\n"));
}

// Whatever Save to Clipboard writes, Load from Source reads back: the same cells, and
// written again with the same choice, the same text.
TEST(SpriteText, ReadsBackWhatItWrites)
{
    std::mt19937 random(20240817);
    for (int round = 0; round < 1000; ++round) {
        Sprite sprite = Blank(std::uniform_int_distribution(1, kSpriteColumns)(random),
                              std::uniform_int_distribution(1, kSpriteRows)(random));
        const int density = std::uniform_int_distribution(0, 4)(random);
        for (int y = 0; y < kSpriteRows; ++y) {
            for (int x = 0; x < kSpriteColumns; ++x) {
                sprite.cells.set(x, y, std::uniform_int_distribution(0, 4)(random) < density);
            }
        }
        std::optional<int> segmentSize;
        if (round % 4 != 0) {
            segmentSize = round % 4 == 1 ? std::uniform_int_distribution(1, 12)(random)
                                         : std::uniform_int_distribution(1, 100)(random);
        }
        const SpriteText written = WriteSpriteText(sprite, "sprite", segmentSize);
        const SpriteReadResult read = ReadSpriteText(written.text, segmentSize);
        ASSERT_TRUE(read.sprite) << read.error << "\n" << written.text;
        EXPECT_EQ(read.label, "sprite");
        EXPECT_EQ(read.sprite->height, sprite.height);
        ASSERT_GE(read.sprite->width, sprite.width);
        EXPECT_LT(read.sprite->width, sprite.width + 8);
        for (int y = 0; y < sprite.height; ++y) {
            for (int x = 0; x < read.sprite->width; ++x) {
                ASSERT_EQ(read.sprite->cells.at(x, y), x < sprite.width && sprite.cells.at(x, y))
                    << x << "," << y << " of " << sprite.width << "x" << sprite.height;
            }
        }
        EXPECT_EQ(WriteSpriteText(*read.sprite, "sprite", segmentSize).text, written.text);
    }
}

TEST(SpriteReader, SpellingsOfBytesAndLines)
{
    const SpriteReadResult read = ReadSpriteText("; a hand-written sprite\n"
                                                 "arrow: .DB $80, 80h ; two at once\n"
                                                 "\t.db %10000000,10000000b\n"
                                                 "  db 128 , 0FFh\n"
                                                 ".byte 1\n");
    ASSERT_TRUE(read.sprite) << read.error;
    EXPECT_EQ(read.label, "arrow");
    EXPECT_EQ(read.sprite->width, 16);
    EXPECT_EQ(read.sprite->height, 4);
    for (int y = 0; y < 3; ++y) {
        EXPECT_TRUE(read.sprite->cells.at(0, y));
        EXPECT_TRUE(read.sprite->cells.at(8, y));
    }
    EXPECT_TRUE(read.sprite->cells.at(15, 2));
    EXPECT_FALSE(read.sprite->cells.at(1, 0));
    // A shorter row is filled with blank cells.
    EXPECT_TRUE(read.sprite->cells.at(7, 3));
    EXPECT_FALSE(read.sprite->cells.at(8, 3));
}

TEST(SpriteReader, RefusesWhatIsNotSpriteData)
{
    EXPECT_EQ(ReadSpriteText("; nothing here\r\nlabel:\r\n").error,
              "There are no \".db\" lines to read.");
    EXPECT_EQ(ReadSpriteText(".db $80\n ld a,b\n").error, "Line 2: \"ld a,b\" is not sprite data.");
    EXPECT_EQ(ReadSpriteText(".db $80, 256\n").error, "Line 1: \"256\" is not a byte.");
    EXPECT_EQ(ReadSpriteText(".db $80,\n").error, "Line 1: \"\" is not a byte.");
    EXPECT_EQ(ReadSpriteText(".db 'A'\n").error, "Line 1: \"'A'\" is not a byte.");
    EXPECT_EQ(ReadSpriteText(".db $1G\n").error, "Line 1: \"$1G\" is not a byte.");
    std::string tall;
    for (int i = 0; i < 65; ++i) {
        tall += ".db 0\n";
    }
    EXPECT_EQ(ReadSpriteText(tall).error,
              "The sprite is 8 x 65 pixels; the Sprite Editor holds at most 96 x 64.");
    EXPECT_EQ(ReadSpriteText(".db 0,0,0,0,0,0,0,0,0,0,0,0,0\n").error,
              "The sprite is 104 x 1 pixels; the Sprite Editor holds at most 96 x 64.");
}

TEST(SpriteReader, SegmentGrids)
{
    EXPECT_EQ(ReadSpriteText("s_0_0:\n.db 0\ns_0_1:\n.db 0\ns_1_1:\n.db 0\n").error,
              "Segment 1_0 is missing.");
    EXPECT_EQ(ReadSpriteText("s_0_0:\n.db 0\ns_0_0:\n.db 0\n").error, "Segment 0_0 appears twice.");
    EXPECT_EQ(ReadSpriteText("s_0_0:\ns_1_0:\n.db 0\n").error, "Segment 0_0 has no data.");
    EXPECT_EQ(ReadSpriteText(".db 0\ns_0_0:\n.db 0\n").error,
              "Some \".db\" lines come before the first segment label.");
    EXPECT_EQ(ReadSpriteText("s_0_0:\n.db 0\n.db 0\ns_1_0:\n.db 0\n").error,
              "Segment 1_0 does not line up with the segments beside and above it.");
    // Segments of 3 rows cannot hold a first column 9 bits wide.
    EXPECT_EQ(ReadSpriteText("s_0_0:\n.db 0,$80\n.db 0,0\n.db 0,0\ns_1_0:\n.db 0\n.db 0\n.db 0\n"
                             "s_0_1:\n.db 0,0\ns_1_1:\n.db 0\n")
                  .error,
              "The segments do not share one segment size.");

    // One row of segments leaves the size open between what the rows allow.
    const std::string open = "s_0_0:\n.db $80, $00\ns_1_0:\n.db $80\n";
    const SpriteReadResult ask = ReadSpriteText(open);
    ASSERT_TRUE(ask.segmentSizeNeeded);
    EXPECT_FALSE(ask.sprite);
    EXPECT_EQ(ask.segmentSizeNeeded->lowest, 9);
    EXPECT_EQ(ask.segmentSizeNeeded->highest, 16);
    const SpriteReadResult sized = ReadSpriteText(open, 12);
    ASSERT_TRUE(sized.sprite);
    EXPECT_EQ(sized.sprite->width, 20);
    EXPECT_TRUE(sized.sprite->cells.at(12, 0));
    EXPECT_FALSE(sized.sprite->cells.at(16, 0));
    // A size the rows rule out is asked for again.
    EXPECT_TRUE(ReadSpriteText(open, 8).segmentSizeNeeded);
}

} // namespace
} // namespace vexil::tools
