// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"

#include "base/FileIo.h"

#include <png.h>

#include <gtest/gtest.h>

#include <cstring>

namespace vexil::cli::test {
namespace {

// A grey-scale PNG of the given rows, "#" black and "." white.
std::vector<std::uint8_t> Png(const std::vector<std::string> &rows)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(rows[0].size());
    png.height = static_cast<png_uint_32>(rows.size());
    png.format = PNG_FORMAT_GRAY;
    std::vector<std::uint8_t> pixels;
    for (const std::string &row : rows) {
        for (char c : row) {
            pixels.push_back(c == '#' ? 0 : 255);
        }
    }
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, nullptr);
    std::vector<std::uint8_t> file(size);
    png_image_write_to_memory(&png, file.data(), &size, 0, pixels.data(), 0, nullptr);
    return file;
}

TEST(CliSprite, PrintsTheSpriteEditorsText)
{
    ScratchFolder folder;
    const auto picture = folder / "arrow.png";
    ASSERT_FALSE(base::WriteFileAtomically(picture, Png({"#.........", "##........"})));

    CliOutput run = RunCli({"sprite", picture.string(), "--label", "arrow"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "; Sprite data for arrow\r\narrow:\r\n.db $80, $00\r\n.db $C0, $00\r\n");

    run = RunCli({"sprite", picture.string(), "--label", "a", "--segment", "8"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "; Sprite data for a\r\na:\r\na_0_0:\r\n.db $80\r\n.db $C0\r\n"
                       "a_1_0:\r\n.db $00\r\n.db $00\r\n");
}

TEST(CliSprite, RefusesBadArgumentsAndPictures)
{
    ScratchFolder folder;
    const auto picture = folder / "dot.png";
    ASSERT_FALSE(base::WriteFileAtomically(picture, Png({"#"})));
    EXPECT_EQ(RunCli({"sprite", picture.string()}).exitCode, 2);
    EXPECT_EQ(RunCli({"sprite", picture.string(), "--label", ""}).exitCode, 2);
    for (const char *size : {"0", "-3", "abc", "8x"}) {
        EXPECT_EQ(RunCli({"sprite", picture.string(), "--label", "d", "--segment", size}).exitCode,
                  2)
            << size;
    }

    const auto text = folder / "notes.txt";
    ASSERT_FALSE(base::WriteFileAtomically(text, std::vector<std::uint8_t>{'h', 'i'}));
    CliOutput run = RunCli({"sprite", text.string(), "--label", "d"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, text.string() + ": The file is not a PNG, BMP, JPEG or GIF picture.\n");
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(RunCli({"sprite", (folder / "missing.png").string(), "--label", "d"}).exitCode, 1);
}

} // namespace
} // namespace vexil::cli::test
