// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/GifDecode.h"
#include "tools/ImageDecode.h"

#include <gif_lib.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexil::tools {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    int transparent = NO_TRANSPARENT_COLOR;
    std::vector<GifPixelType> pixels; // width * height palette indexes, top row first
};

int WriteToBytes(GifFileType *gif, const GifByteType *data, int length)
{
    auto *out = static_cast<Bytes *>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

// A GIF of one frame on a `screenWidth` x `screenHeight` screen with the palette
// black, white, red, green.
Bytes Gif(int screenWidth, int screenHeight, const GifFrame &frame)
{
    Bytes file;
    int error = 0;
    GifFileType *gif = EGifOpen(&file, WriteToBytes, &error);
    EXPECT_NE(gif, nullptr);
    const GifColorType colours[] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 255, 0}};
    ColorMapObject *map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EXPECT_EQ(EGifPutScreenDesc(gif, screenWidth, screenHeight, 2, 1, map), GIF_OK);
    if (frame.transparent != NO_TRANSPARENT_COLOR) {
        GraphicsControlBlock control{};
        control.TransparentColor = frame.transparent;
        GifByteType block[4];
        EGifGCBToExtension(&control, block);
        EXPECT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block), GIF_OK);
    }
    EXPECT_EQ(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height,
                               frame.interlaced, nullptr),
              GIF_OK);
    // An interlaced frame is stored in pass order: rows 0, 8, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...
    std::vector<int> rows;
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < (frame.interlaced ? 4 : 1); ++pass) {
        const int start = frame.interlaced ? starts[pass] : 0;
        const int step = frame.interlaced ? steps[pass] : 1;
        for (int row = start; row < frame.height; row += step) {
            rows.push_back(row);
        }
    }
    for (int row : rows) {
        std::vector<GifPixelType> line(frame.pixels.begin() + row * frame.width,
                                       frame.pixels.begin() + (row + 1) * frame.width);
        EXPECT_EQ(EGifPutLine(gif, line.data(), frame.width), GIF_OK);
    }
    EXPECT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    GifFreeMapObject(map);
    return file;
}

// Black where the picture is opaque black, "." where white, "-" where transparent,
// "r" and "g" for red and green.
std::vector<std::string> Shown(const RgbaImage &image)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height; ++y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t *p =
                &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4];
            row += p[3] == 0                    ? '-'
                   : p[0] == 255 && p[1] == 255 ? '.'
                   : p[0] == 255                ? 'r'
                   : p[1] == 255                ? 'g'
                                                : '#';
        }
        rows.push_back(row);
    }
    return rows;
}

RgbaImage Decoded(const Bytes &file)
{
    auto decoded = DecodeImage(file);
    EXPECT_TRUE(std::holds_alternative<RgbaImage>(decoded)) << std::get<std::string>(decoded);
    return std::holds_alternative<RgbaImage>(decoded) ? std::get<RgbaImage>(decoded) : RgbaImage{};
}

TEST(GifDecode, FramesLandOnTheirScreenInTheirColours)
{
    // 3 x 10, interlaced, so the rows arrive out of order; each row its own pattern.
    GifFrame tall{0, 0, 3, 10, true, NO_TRANSPARENT_COLOR, {}};
    for (int row = 0; row < 10; ++row) {
        for (int x = 0; x < 3; ++x) {
            tall.pixels.push_back(static_cast<GifPixelType>(x == row % 3 ? 0 : 1));
        }
    }
    const auto shown = Shown(Decoded(Gif(3, 10, tall)));
    ASSERT_EQ(shown.size(), 10u);
    for (int row = 0; row < 10; ++row) {
        std::string expected = "...";
        expected[static_cast<std::size_t>(row % 3)] = '#';
        EXPECT_EQ(shown[static_cast<std::size_t>(row)], expected) << row;
    }

    // A 2 x 2 frame placed at (1, 1) of a 4 x 3 screen, with green transparent.
    GifFrame placed{1, 1, 2, 2, false, 3, {0, 3, 2, 1}};
    EXPECT_EQ(Shown(Decoded(Gif(4, 3, placed))),
              (std::vector<std::string>{"----", "-#--", "-r.-"}));

    // A frame larger than its screen is shown alone.
    GifFrame wide{0, 0, 3, 1, false, NO_TRANSPARENT_COLOR, {0, 1, 0}};
    EXPECT_EQ(Shown(Decoded(Gif(2, 1, wide))), (std::vector<std::string>{"#.#"}));
}

TEST(GifDecode, DamagedOrHugeGifsAreRefused)
{
    GifFrame frame{0, 0, 4, 4, false, NO_TRANSPARENT_COLOR, std::vector<GifPixelType>(16, 0)};
    const Bytes good = Gif(4, 4, frame);
    for (std::size_t length = 0; length + 1 < good.size(); ++length) {
        const auto decoded = DecodeGif(std::span(good.data(), length));
        EXPECT_TRUE(std::holds_alternative<std::string>(decoded)) << length;
    }
    Bytes huge = good;
    huge[6] = 0xFF; // logical screen 65535 wide
    huge[7] = 0xFF;
    EXPECT_EQ(std::get<std::string>(DecodeImage(huge)),
              "The picture is 65535 x 4 pixels; at most 8192 x 8192 can be read.");
}

} // namespace
} // namespace vexil::tools
