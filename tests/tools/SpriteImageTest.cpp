// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SpriteImage.h"
#include "tools/ImageDecode.h"
#include "tools/SpriteHistory.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstring>

namespace vexil::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes &b, std::size_t at, unsigned v)
{
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}

void Put32(Bytes &b, std::size_t at, unsigned v)
{
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A bottom-up BMP with a 40-byte header; rows are given top first, already padded.
Bytes Bmp(int width, int height, int bits, const Bytes &palette, const std::vector<Bytes> &rows)
{
    const std::size_t offset = 54 + palette.size();
    Bytes file(offset);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 10, static_cast<unsigned>(offset));
    Put32(file, 14, 40);
    Put32(file, 18, static_cast<unsigned>(width));
    Put32(file, 22, static_cast<unsigned>(height));
    Put16(file, 26, 1);
    Put16(file, 28, static_cast<unsigned>(bits));
    std::copy(palette.begin(), palette.end(), file.begin() + 54);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        file.insert(file.end(), row->begin(), row->end());
    }
    Put32(file, 2, static_cast<unsigned>(file.size()));
    return file;
}

TEST(SpriteImage, InkIsDarkAndOpaque)
{
    EXPECT_TRUE(IsInkPixel(0, 0, 0, 255));
    EXPECT_TRUE(IsInkPixel(127, 127, 127, 255));
    EXPECT_FALSE(IsInkPixel(128, 128, 128, 255));
    EXPECT_FALSE(IsInkPixel(255, 255, 255, 255));
    // Pure red is dark, pure green is light.
    EXPECT_TRUE(IsInkPixel(255, 0, 0, 255));
    EXPECT_FALSE(IsInkPixel(0, 255, 0, 255));
    // Transparent black is no ink.
    EXPECT_FALSE(IsInkPixel(0, 0, 0, 0));
}

TEST(SpriteImage, BmpFormatsGiveTheSameCells)
{
    // 3 x 2: black, white, black / white, black, white.
    const Bytes mono = Bmp(3, 2, 1, {0, 0, 0, 0, 255, 255, 255, 0},
                           {{0b01000000, 0, 0, 0}, {0b10100000, 0, 0, 0}});
    const Bytes colour = Bmp(3, 2, 24, {},
                             {{0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 0},
                              {255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0}});
    Bytes bgra = Bmp(3, 2, 32, {},
                     {{0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0},
                      {255, 255, 255, 0, 0, 0, 0, 0, 255, 255, 255, 0}});
    for (const Bytes &file : {mono, colour, bgra}) {
        const auto decoded = DecodeImage(file);
        ASSERT_TRUE(std::holds_alternative<RgbaImage>(decoded)) << std::get<std::string>(decoded);
        const Sprite sprite = SpriteFromImage(std::get<RgbaImage>(decoded));
        EXPECT_EQ(sprite.width, 3);
        EXPECT_EQ(sprite.height, 2);
        EXPECT_TRUE(sprite.cells.at(0, 0));
        EXPECT_FALSE(sprite.cells.at(1, 0));
        EXPECT_TRUE(sprite.cells.at(2, 0));
        EXPECT_FALSE(sprite.cells.at(0, 1));
        EXPECT_TRUE(sprite.cells.at(1, 1));
        EXPECT_FALSE(sprite.cells.at(2, 1));
    }
}

TEST(SpriteImage, PngAndLargePictures)
{
    // 100 x 70, black only in its last column and row: both fall outside the sprite.
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = 100;
    png.height = 70;
    png.format = PNG_FORMAT_GRAY;
    Bytes pixels(100 * 70, 255);
    for (int i = 0; i < 100; ++i) {
        pixels[static_cast<std::size_t>(69 * 100 + i)] = 0;
    }
    for (int i = 0; i < 70; ++i) {
        pixels[static_cast<std::size_t>(i * 100 + 99)] = 0;
    }
    pixels[5 * 100 + 7] = 0;
    png_alloc_size_t size = 0;
    ASSERT_NE(png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, nullptr), 0);
    Bytes file(size);
    ASSERT_NE(png_image_write_to_memory(&png, file.data(), &size, 0, pixels.data(), 0, nullptr), 0);

    const auto decoded = DecodeImage(file);
    ASSERT_TRUE(std::holds_alternative<RgbaImage>(decoded));
    const Sprite sprite = SpriteFromImage(std::get<RgbaImage>(decoded));
    EXPECT_EQ(sprite.width, kSpriteColumns);
    EXPECT_EQ(sprite.height, kSpriteRows);
    int ink = 0;
    for (int y = 0; y < kSpriteRows; ++y) {
        for (int x = 0; x < kSpriteColumns; ++x) {
            ink += sprite.cells.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(ink, 1);
    EXPECT_TRUE(sprite.cells.at(7, 5));
}

TEST(SpriteImage, DamagedPicturesAreRefused)
{
    const Bytes good = Bmp(3, 2, 24, {}, {Bytes(12, 0), Bytes(12, 0)});
    for (std::size_t length = 0; length < good.size(); ++length) {
        const auto decoded = DecodeImage(std::span(good.data(), length));
        EXPECT_TRUE(std::holds_alternative<std::string>(decoded)) << length;
    }
    EXPECT_EQ(std::get<std::string>(DecodeImage(Bytes{'R', 'I', 'F', 'F'})),
              "The file is not a PNG, BMP, JPEG or GIF picture.");
    Bytes huge = good;
    Put32(huge, 18, 100000);
    EXPECT_EQ(std::get<std::string>(DecodeImage(huge)),
              "The picture is 100000 x 2 pixels; at most 8192 x 8192 can be read.");
    Bytes compressed = good;
    Put32(compressed, 30, 1);
    EXPECT_EQ(std::get<std::string>(DecodeImage(compressed)),
              "Compressed BMP pictures cannot be read.");
    // A palette index past the palette.
    const Bytes badIndex = Bmp(1, 1, 8, {0, 0, 0, 0}, {{5, 0, 0, 0}});
    Bytes withCount = badIndex;
    Put32(withCount, 46, 1);
    EXPECT_TRUE(std::holds_alternative<std::string>(DecodeImage(withCount)));
    const Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0};
    EXPECT_TRUE(std::get<std::string>(DecodeImage(png)).starts_with("The PNG picture is damaged"));
}

TEST(SpriteHistory, StrokesKeepTheSizeLoadsPutItBack)
{
    Sprite sprite;
    SpriteHistory history;
    EXPECT_FALSE(history.undo(sprite));

    history.record(sprite, false);
    sprite.cells.set(1, 1, true);
    // The size changed after the stroke stays when the stroke is undone.
    sprite.width = 20;
    history.record(sprite, true);
    sprite.cells.clear();
    sprite.width = 3;
    sprite.height = 4;

    ASSERT_TRUE(history.undo(sprite));
    EXPECT_EQ(sprite.width, 20);
    EXPECT_EQ(sprite.height, 10);
    EXPECT_TRUE(sprite.cells.at(1, 1));
    ASSERT_TRUE(history.undo(sprite));
    EXPECT_FALSE(sprite.cells.at(1, 1));
    EXPECT_EQ(sprite.width, 20);
    EXPECT_FALSE(history.canUndo());

    SpriteHistory shallow(2);
    for (int i = 0; i < 5; ++i) {
        shallow.record(sprite, false);
    }
    EXPECT_TRUE(shallow.undo(sprite));
    EXPECT_TRUE(shallow.undo(sprite));
    EXPECT_FALSE(shallow.undo(sprite));
}

} // namespace
} // namespace vexil::tools
