// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ImageEncode.h"
#include "tools/Dither.h"
#include "tools/ImageDecode.h"

#include <cstdio>
#include <jpeglib.h>

#include <gtest/gtest.h>

namespace vexil::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

SpriteGrid Diagonal()
{
    SpriteGrid cells;
    for (int i = 0; i < 64; ++i) {
        cells.set(i + i / 2, i, true);
    }
    cells.set(95, 0, true);
    return cells;
}

// The cells a picture decodes back to, by the converter's own rule.
SpriteGrid Decoded(const Bytes &file)
{
    const auto image = DecodeImage(file);
    EXPECT_TRUE(std::holds_alternative<RgbaImage>(image));
    return ToBlackAndWhite(GreyOf(std::get<RgbaImage>(image)), {});
}

TEST(ImageEncode, BlackAndWhitePicturesReadBackAsTheyWereWritten)
{
    const SpriteGrid cells = Diagonal();
    for (ImageFormat format : {ImageFormat::Bmp, ImageFormat::Png}) {
        const Bytes file = EncodeBlackAndWhite(cells, 96, 64, format);
        const auto image = DecodeImage(file);
        ASSERT_TRUE(std::holds_alternative<RgbaImage>(image));
        EXPECT_EQ(std::get<RgbaImage>(image).width, 96);
        EXPECT_EQ(std::get<RgbaImage>(image).height, 64);
        EXPECT_TRUE(IsBlackAndWhite(GreyOf(std::get<RgbaImage>(image))));
        EXPECT_EQ(Decoded(file), cells);
    }
    // A 1-bit BMP of 96 x 64: headers, two palette entries and 12 bytes a row.
    const Bytes bmp = EncodeBlackAndWhite(cells, 96, 64, ImageFormat::Bmp);
    EXPECT_EQ(bmp.size(), 62U + 12 * 64);
    EXPECT_EQ(bmp[28], 1);

    // A part of the cells, and a size past the screen cut to it.
    const auto part = DecodeImage(EncodeBlackAndWhite(cells, 9, 3, ImageFormat::Bmp));
    EXPECT_EQ(std::get<RgbaImage>(part).width, 9);
    EXPECT_EQ(std::get<RgbaImage>(part).height, 3);
    const auto cut = DecodeImage(EncodeBlackAndWhite(cells, 500, 500, ImageFormat::Png));
    EXPECT_EQ(std::get<RgbaImage>(cut).width, 96);
}

TEST(ImageEncode, TheExtensionNamesTheFormat)
{
    EXPECT_EQ(ImageFormatOfName("a/b.PNG"), ImageFormat::Png);
    EXPECT_EQ(ImageFormatOfName("b.bmp"), ImageFormat::Bmp);
    EXPECT_FALSE(ImageFormatOfName("b.jpg"));
    EXPECT_FALSE(ImageFormatOfName("png"));
}

// A grey JPEG, dark on its left half and light on its right.
Bytes HalfDarkJpeg(int width, int height)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        row[static_cast<std::size_t>(x)] = x < width / 2 ? 10 : 245;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    Bytes file(buffer, buffer + size);
    std::free(buffer);
    return file;
}

TEST(ImageDecode, ReadsJpegPhotographs)
{
    const Bytes file = HalfDarkJpeg(64, 16);
    const auto image = DecodeImage(file);
    ASSERT_TRUE(std::holds_alternative<RgbaImage>(image));
    const RgbaImage &rgba = std::get<RgbaImage>(image);
    EXPECT_EQ(rgba.width, 64);
    EXPECT_EQ(rgba.height, 16);
    const SpriteGrid cells = ToBlackAndWhite(GreyOf(rgba), {});
    EXPECT_TRUE(cells.at(0, 0));
    EXPECT_TRUE(cells.at(20, 15));
    EXPECT_FALSE(cells.at(40, 8));
    EXPECT_EQ(rgba.pixels[3], 255);

    // Cut anywhere in its header, or damaged, it gives a message, never a crash.
    for (std::size_t length : {3UL, 10UL, 100UL, 200UL}) {
        const auto shortened = DecodeImage(std::span(file).first(length));
        ASSERT_TRUE(std::holds_alternative<std::string>(shortened)) << length;
        EXPECT_EQ(std::get<std::string>(shortened).rfind("The JPEG picture is damaged: ", 0), 0U);
    }
    Bytes damaged = file;
    for (std::size_t i = 20; i < damaged.size(); i += 7) {
        damaged[i] = static_cast<std::uint8_t>(damaged[i] ^ 0x5A);
    }
    (void)DecodeImage(damaged);

    Bytes huge = HalfDarkJpeg(16, 16);
    // The frame header's height and width, past the largest picture read.
    for (std::size_t i = 0; i + 8 < huge.size(); ++i) {
        if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
            huge[i + 5] = 0x7F;
            huge[i + 6] = 0xFF;
            break;
        }
    }
    EXPECT_EQ(std::get<std::string>(DecodeImage(huge)),
              "The picture is 16 x 32767 pixels; at most 8192 x 8192 can be read.");
}

} // namespace
} // namespace vexil::tools
