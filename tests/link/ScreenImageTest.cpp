// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/ScreenImage.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace vexil::link::calcsim;
namespace vf = vexil::varfile;

namespace {

ScreenResult FromText(const std::string &text)
{
    return ScreenFromBytes(std::vector<uint8_t>(text.begin(), text.end()));
}

} // namespace

TEST(ScreenImage, ReadsPlainAndRawPbm)
{
    // Plain: a comment, pixels with and without spaces; the top-left pixel is
    // the most significant bit of the first byte.
    const auto plain = FromText("P1\n# corner\n3 2\n1 0 1\n011\n");
    ASSERT_TRUE(std::holds_alternative<Screen>(plain));
    EXPECT_EQ(std::get<Screen>(plain)[0], 0xA0);
    EXPECT_EQ(std::get<Screen>(plain)[12], 0x60);

    // Raw, wider and taller than the screen: cut to the top-left 96x64.
    std::string raw = "P4 104 65\n";
    std::string pixels(13 * 65, '\0');
    pixels[12] = '\xFF';           // x 96..103 of row 0: off the screen
    pixels[13 * 63 + 11] = '\x01'; // x 95 of row 63: the bottom-right pixel
    pixels[13 * 64] = '\x80';      // row 64: off the screen
    const auto big = FromText(raw + pixels);
    ASSERT_TRUE(std::holds_alternative<Screen>(big));
    Screen expected{};
    expected[767] = 0x01;
    EXPECT_EQ(std::get<Screen>(big), expected);
}

TEST(ScreenImage, ReadsAPictureVariable)
{
    std::vector<uint8_t> data{0xF4, 0x02};
    data.resize(2 + 756, 0);
    data[2] = 0x80;
    const auto file =
        vf::BuildVarFile(vf::CalcModel::TI83, vf::WriterComment(vf::CommentWriter::Picture),
                         {vf::VarEntry{0x07, {0x60, 0x00}, data}});
    ASSERT_TRUE(file);
    const auto screen = ScreenFromBytes(*file);
    ASSERT_TRUE(std::holds_alternative<Screen>(screen));
    EXPECT_EQ(std::get<Screen>(screen)[0], 0x80);
    EXPECT_EQ(std::get<Screen>(screen)[767], 0x00); // the 64th row stays light
}

TEST(ScreenImage, RefusesWhatIsNotAScreen)
{
    // Cut short, no size, another variable type, another format.
    EXPECT_TRUE(std::holds_alternative<std::string>(FromText("P1 4 4 1 0 1")));
    EXPECT_TRUE(std::holds_alternative<std::string>(FromText("P4 96 64\n\xFF\xFF")));
    EXPECT_TRUE(std::holds_alternative<std::string>(FromText("P1 # only a comment")));
    EXPECT_TRUE(std::holds_alternative<std::string>(FromText("P4 99999999999 1\n")));
    const auto real =
        vf::BuildVarFile(vf::CalcModel::TI82, vf::WriterComment(vf::CommentWriter::Real),
                         {vf::VarEntry{0x00, {'A'}, std::vector<uint8_t>(9, 0)}});
    EXPECT_TRUE(std::holds_alternative<std::string>(ScreenFromBytes(*real)));
    EXPECT_TRUE(std::holds_alternative<std::string>(FromText("GIF89a")));
}
