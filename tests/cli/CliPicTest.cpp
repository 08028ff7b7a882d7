// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"

#include "base/FileIo.h"
#include "tools/ImageDataText.h"
#include "tools/ImageDecode.h"
#include "tools/ImageEncode.h"
#include "tools/PictureFile.h"

#include <gtest/gtest.h>

namespace vexil::cli::test {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;
using tools::SpriteGrid;
using varfile::CalcModel;

SpriteGrid Cross()
{
    SpriteGrid cells;
    for (int i = 0; i < 96; ++i) {
        cells.set(i, 10, true);
        cells.set(i * 2 / 3, i * 2 / 3, true);
    }
    return cells;
}

Bytes Read(const fs::path &path)
{
    return base::ReadWholeFile(path).bytes;
}

void Write(const fs::path &path, const Bytes &bytes)
{
    ASSERT_FALSE(base::WriteFileAtomically(path, bytes));
}

TEST(CliPic, ImportWritesThePictureFileByteForByte)
{
    ScratchFolder folder;
    const SpriteGrid cells = Cross();
    Write(folder / "cross.png", tools::EncodeBlackAndWhite(cells, 96, 64, tools::ImageFormat::Png));

    CliOutput run = RunCli({"pic", "import", (folder / "cross.png").string(), "--model", "83",
                            "--number", "3", "-o", (folder / "Pic3.83i").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    const Bytes file = Read(folder / "Pic3.83i");
    EXPECT_EQ(file, *tools::BuildPictureFile(CalcModel::TI83, 3, cells));
    ASSERT_EQ(file.size(), 830U);
    EXPECT_EQ(file[60], 0x60);
    EXPECT_EQ(file[61], 0x02);

    run = RunCli({"pic", "import", (folder / "cross.png").string(), "--model", "83", "--number",
                  "0", "-o", (folder / "Pic0.83i").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Read(folder / "Pic0.83i")[61], 0x09);
}

TEST(CliPic, ImportRefusesNumbersTheModelLacksAndBadOptions)
{
    ScratchFolder folder;
    const std::string image = (folder / "dot.bmp").string();
    Write(folder / "dot.bmp", tools::EncodeBlackAndWhite(Cross(), 4, 4, tools::ImageFormat::Bmp));
    const std::string out = (folder / "out.82i").string();
    for (const char *number : {"7", "0"}) {
        const CliOutput run =
            RunCli({"pic", "import", image, "--model", "82", "--number", number, "-o", out});
        EXPECT_EQ(run.exitCode, 1) << number;
        EXPECT_EQ(run.err, std::string("vexil-cli pic import: the TI-82 has no Pic") + number +
                               "; its pictures are Pic1 to Pic6.\n");
    }
    EXPECT_FALSE(fs::exists(out));
    const std::vector<std::vector<std::string>> usage = {
        {"--model", "82", "--number", "10", "-o", out},
        {"--model", "82", "--number", "one", "-o", out},
        {"--model", "82", "-o", out},
        {"--model", "84", "--number", "1", "-o", out},
        {"--model", "83", "--number", "1", "-o", out},
        {"--model", "82", "--number", "1", "-o", out, "--dither", "random"},
        {"--model", "82", "--number", "1", "-o", out, "--threshold", "256"},
        {"--model", "82", "--number", "1", "-o", out, "--dither", "floyd", "--threshold", "9"},
    };
    for (std::vector<std::string> words : usage) {
        words.insert(words.begin(), {"pic", "import", image});
        EXPECT_EQ(RunCli(words).exitCode, 2) << words[4] << words[5] << words.back();
    }
    EXPECT_FALSE(fs::exists(out));

    const CliOutput missing = RunCli({"pic", "import", (folder / "none.png").string(), "--model",
                                      "82", "--number", "1", "-o", out});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(fs::exists(out));
}

// A 24-bit BMP whose grey level depends on the column.
template <typename Level> Bytes GreyBmp(int width, int height, Level level)
{
    const auto rowSize = static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
    Bytes file(54, 0);
    const auto put32 = [&file](std::size_t at, std::size_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, 54 + rowSize * static_cast<std::size_t>(height));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::size_t>(width));
    put32(22, static_cast<std::size_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y) {
        Bytes row(rowSize, 0);
        for (int x = 0; x < width; ++x) {
            const auto grey = static_cast<std::uint8_t>(level(x));
            std::fill_n(row.begin() + x * 3, 3, grey);
        }
        file.insert(file.end(), row.begin(), row.end());
    }
    return file;
}

TEST(CliPic, ColourPicturesAreReducedWithANote)
{
    ScratchFolder folder;
    // A grey of 100 on the left half and 180 on the right.
    const Bytes bmp = GreyBmp(20, 2, [](int x) { return x < 10 ? 100 : 180; });
    Write(folder / "grey.bmp", bmp);
    const std::string path = (folder / "grey.bmp").string();

    CliOutput run = RunCli({"pic", "asm", path});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err,
              path + ": This bitmap is not monochrome.  It will be forced to black and white.\n");
    EXPECT_EQ(run.out.substr(14, 53), ".db\t$FF,$C0,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00\r\n");

    run = RunCli({"pic", "asm", path, "--threshold", "200", "--invert"});
    EXPECT_EQ(run.out.substr(14, 53), ".db\t$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00\r\n");
    run = RunCli({"pic", "asm", path, "--threshold", "90"});
    EXPECT_EQ(run.out.substr(14, 53), ".db\t$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00,$00\r\n");
    run = RunCli({"pic", "asm", path, "--dither", "ordered"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.substr(18, 3), "$FF");
}

TEST(CliPic, ExportAndAsmShowWhatAPictureFileHolds)
{
    ScratchFolder folder;
    const SpriteGrid cells = Cross();
    Write(folder / "Pic1.82i", *tools::BuildPictureFile(CalcModel::TI82, 1, cells));
    for (const char *name : {"pic.png", "pic.BMP"}) {
        const CliOutput run = RunCli(
            {"pic", "export", (folder / "Pic1.82i").string(), "-o", (folder / name).string()});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto image = tools::DecodeImage(Read(folder / name));
        ASSERT_TRUE(std::holds_alternative<tools::RgbaImage>(image)) << name;
        const tools::RgbaImage &rgba = std::get<tools::RgbaImage>(image);
        ASSERT_EQ(rgba.width, 96);
        ASSERT_EQ(rgba.height, 64);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 96; ++x) {
                const bool dark = rgba.pixels[static_cast<std::size_t>(y * 96 + x) * 4] == 0;
                // The 64th row is not part of a picture.
                ASSERT_EQ(dark, y < 63 && cells.at(x, y)) << name << " " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(RunCli({"pic", "export", (folder / "Pic1.82i").string(), "-o",
                      (folder / "pic.gif").string()})
                  .exitCode,
              2);

    CliOutput run = RunCli({"pic", "asm", (folder / "Pic1.82i").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    SpriteGrid stored = cells;
    for (int x = 0; x < 96; ++x) {
        stored.set(x, 63, false);
    }
    EXPECT_EQ(run.out, tools::ImageDataText(stored));

    Bytes cut = Read(folder / "Pic1.82i");
    cut.resize(500);
    Write(folder / "cut.82i", cut);
    run = RunCli(
        {"pic", "export", (folder / "cut.82i").string(), "-o", (folder / "cut.png").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, (folder / "cut.82i").string() +
                           ": This file is too short to be a picture: it holds 500 bytes, a "
                           "picture file at least 828.\n");
    EXPECT_FALSE(fs::exists(folder / "cut.png"));
    EXPECT_EQ(RunCli({"pic", "asm", (folder / "cut.82i").string()}).exitCode, 1);

    // Only a picture variable is read as a picture, whatever the file is called.
    Bytes program = Read(folder / "Pic1.82i");
    program[59] = 0x05;
    Write(folder / "prog.82i", program);
    const std::string notAPicture =
        (folder / "prog.82i").string() + ": this is a TI-82 program, not a picture\n";
    for (const CliOutput &refused : {RunCli({"pic", "export", (folder / "prog.82i").string(), "-o",
                                             (folder / "prog.png").string()}),
                                     RunCli({"pic", "asm", (folder / "prog.82i").string()})}) {
        EXPECT_EQ(refused.exitCode, 1);
        EXPECT_TRUE(refused.out.empty());
        EXPECT_EQ(refused.err, notAPicture);
    }
    EXPECT_FALSE(fs::exists(folder / "prog.png"));
    Bytes plus = Read(folder / "Pic1.82i");
    std::copy_n("**TI83F*", 8, plus.begin());
    Write(folder / "plus.8xi", plus);
    run = RunCli(
        {"pic", "export", (folder / "plus.8xi").string(), "-o", (folder / "plus.png").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, (folder / "plus.8xi").string() +
                           ": This is a TI-83 Plus file; Vexil works with TI-82 and TI-83 files "
                           "only.\n");
    EXPECT_EQ(RunCli({"pic", "flip"}).exitCode, 2);
}

} // namespace
} // namespace vexil::cli::test
