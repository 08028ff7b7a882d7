// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRun.h"

#include "base/FileIo.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

#include <random>

namespace vexil::cli::test {
namespace {

using varfile::Bytes;

const std::string kInvalidReal =
    "Invalid floating point number entered.  Please note that only numbers from -1E100 to "
    "1E100 (exclusive) are valid, and that you cannot enter an expression to be evaluated.\n";

void WriteBytes(const std::filesystem::path &path, const Bytes &bytes)
{
    ASSERT_FALSE(base::WriteFileAtomically(path, bytes));
}

TEST(CliReal, EncodesAndDecodes)
{
    CliOutput run = RunCli({"real", "encode", "2/3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, kInvalidReal);
    EXPECT_TRUE(run.out.empty());

    run = RunCli({"real", "encode", "-1"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "80 80 10 00 00 00 00 00 00\n");
    EXPECT_EQ(RunCli({"real", "encode", "0.001"}).out, "00 7D 10 00 00 00 00 00 00\n");
    EXPECT_EQ(RunCli({"real", "encode", "-5", "--complex-half"}).out,
              "8C 80 50 00 00 00 00 00 00\n");
    // The range check runs on the rounded value: 15 nines become 1E100.
    EXPECT_EQ(RunCli({"real", "encode", "9.99999999999999E99"}).err, kInvalidReal);
    EXPECT_EQ(RunCli({"real", "encode", "9.9999999999999E99"}).out, "00 E3 99 99 99 99 99 99 99\n");

    EXPECT_EQ(RunCli({"real", "decode", "00", "82", "12", "34", "50", "00", "00", "00", "00"}).out,
              "123.45\n");
    EXPECT_EQ(RunCli({"real", "decode", "0c", "7b", "10", "0", "0", "0", "0", "0", "0"}).out,
              "1E-5\n");
    run = RunCli({"real", "decode", "00", "80", "1A", "00", "00", "00", "00", "00", "00"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(RunCli({"real", "decode", "00", "80", "XY", "0", "0", "0", "0", "0", "0"}).exitCode,
              1);

    // Usage errors: wrong byte count, unknown action, unknown option.
    EXPECT_EQ(RunCli({"real", "decode", "00"}).exitCode, 2);
    EXPECT_EQ(RunCli({"real", "square", "2"}).exitCode, 2);
    EXPECT_EQ(RunCli({"real", "encode", "2", "--fast"}).exitCode, 2);
}

TEST(CliProgram, WritesEachTarget)
{
    const ScratchFolder folder;
    WriteBytes(folder / "code.obj", {0x00, 0xFF, 0xC9});
    const std::string object = (folder / "code.obj").string();

    // Empty objects: Ash without the launcher gives a 77-byte file with D9 00 30;
    // the TI-83 hexadecimal form holds only its trailer.
    WriteBytes(folder / "empty.obj", {});
    const std::string empty = (folder / "empty.obj").string();
    ASSERT_EQ(RunCli({"program", empty, "-o", (folder / "E.82p").string(), "--target", "ash",
                      "--name", "E"})
                  .exitCode,
              0);
    const Bytes ash = base::ReadWholeFile(folder / "E.82p").bytes;
    ASSERT_EQ(ash.size(), 77u);
    EXPECT_EQ(Bytes(ash.begin() + 70, ash.begin() + 75), (Bytes{0x03, 0x00, 0xD9, 0x00, 0x30}));
    ASSERT_EQ(RunCli({"program", empty, "-o", (folder / "E.83p").string(), "--target", "ti83",
                      "--name", "E", "--extra-memory", "0000"})
                  .exitCode,
              0);
    const Bytes ti83 = base::ReadWholeFile(folder / "E.83p").bytes;
    EXPECT_EQ(Bytes(ti83.begin() + 70, ti83.end() - 2),
              (Bytes{0x09, 0x00, 0x3F, 0xD4, 0x3F, '0', '0', '0', '0', 0x3F, 0xD4}));

    CliOutput run = RunCli({"program", object, "-o", (folder / "T.83p").string(), "--target",
                            "ti83", "--name", "T", "--extra-memory", "0000"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Bytes hexForm = base::ReadWholeFile(folder / "T.83p").bytes;
    ASSERT_EQ(hexForm.size(), 74u + 6 + 9);
    EXPECT_EQ(std::string(hexForm.begin() + 72, hexForm.begin() + 78), "00FFC9");

    run = RunCli({"program", object, "-o", (folder / "C.82p").string(), "--target", "crash",
                  "--name", "test", "--protect"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Bytes crash = base::ReadWholeFile(folder / "C.82p").bytes;
    EXPECT_EQ(Bytes(crash.begin() + 59, crash.begin() + 68),
              (Bytes{0x06, 0xDC, 'T', 'E', 'S', 'T', 0, 0, 0}));

    run = RunCli({"program", object, "-o", (folder / "H.82p").string(), "--target", "ash", "--name",
                  "H@", "--home-screen"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(base::ReadWholeFile(folder / "H.82p").bytes.size(), 74u + 48 + 3);
}

TEST(CliProgram, BadInputWritesNothing)
{
    const ScratchFolder folder;
    WriteBytes(folder / "big.obj", Bytes(0xFFFF - 16, 0));
    const std::string out = (folder / "OUT.83p").string();

    // Too large for the 16-bit lengths.
    CliOutput run = RunCli({"program", (folder / "big.obj").string(), "-o", out, "--target",
                            "ashell83", "--name", "BIG"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("too large"), std::string::npos);
    // A missing object file.
    run = RunCli(
        {"program", (folder / "none.obj").string(), "-o", out, "--target", "ti83", "--name", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "Fatal Error: Cannot find object file (" + (folder / "none.obj").string() + ").\n");
    // A bad extra memory figure and a bad name.
    WriteBytes(folder / "small.obj", {0xC9});
    const std::string small = (folder / "small.obj").string();
    EXPECT_EQ(RunCli({"program", small, "-o", out, "--target", "ti83", "--name", "X",
                      "--extra-memory", "12345"})
                  .exitCode,
              1);
    EXPECT_EQ(RunCli({"program", small, "-o", out, "--target", "ti83", "--name", "A-B"}).exitCode,
              1);
    EXPECT_FALSE(std::filesystem::exists(out));

    // Usage errors.
    EXPECT_EQ(RunCli({"program", small, "-o", out, "--target", "ti86", "--name", "X"}).exitCode, 2);
    EXPECT_EQ(RunCli({"program", small, "--target", "ti83", "--name", "X"}).exitCode, 2);
}

TEST(CliInfo, DescribesFilesAndTheirDamage)
{
    const ScratchFolder folder;
    const std::vector<varfile::VarEntry> entries = {
        {0x00, *varfile::LetterVarName('@'), Bytes{0x00, 0x80, 0x50, 0, 0, 0, 0, 0, 0}},
        {0x0D, *varfile::ListVarName(2), Bytes{0x00, 0x00}},
    };
    Bytes good = *varfile::BuildVarFile(
        varfile::CalcModel::TI83, varfile::WriterComment(varfile::CommentWriter::Group), entries);
    WriteBytes(folder / "group.83g", good);
    CliOutput run = RunCli({"info", (folder / "group.83g").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("TI-83 file"), std::string::npos);
    EXPECT_NE(run.out.find("comment \"Group file generated by Vexil Assembler.\""),
              std::string::npos);
    EXPECT_NE(run.out.find("type 00 (Real), name \"@\", 9 data bytes"), std::string::npos);
    EXPECT_NE(run.out.find("type 0D (Complex list), name \"L2\", 2 data bytes"), std::string::npos);
    EXPECT_NE(run.out.find("agree with the contents"), std::string::npos);

    good.back() ^= 0xFF;
    WriteBytes(folder / "bad.83g", good);
    run = RunCli({"info", (folder / "bad.83g").string(), (folder / "missing").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("stored checksum"), std::string::npos);
    EXPECT_NE(run.err.find("missing"), std::string::npos);
}

TEST(CliInfo, NeverCrashesOnAnyFile)
{
    // Every truncation of a real file, and random files with and without a
    // valid header, are described with exit code 0 or 1, never a crash.
    const ScratchFolder folder;
    const Bytes good = *varfile::BuildVarFile(
        varfile::CalcModel::TI82, varfile::MakeComment("x"),
        {{0x05, varfile::ProgramVarName("P"), Bytes{0x02, 0x00, 0xD9, 0x30}}});
    std::vector<std::string> args = {"info"};
    for (std::size_t size = 0; size < good.size(); ++size) {
        const auto path = folder / ("cut" + std::to_string(size));
        WriteBytes(path, Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)));
        args.push_back(path.string());
    }
    std::mt19937 random(7);
    for (int i = 0; i < 60; ++i) {
        Bytes noise(random() % 200);
        for (auto &byte : noise) {
            byte = static_cast<std::uint8_t>(random());
        }
        if (i % 2 == 0 && noise.size() > 60) {
            std::copy(good.begin(), good.begin() + 55, noise.begin());
        }
        const auto path = folder / ("noise" + std::to_string(i));
        WriteBytes(path, noise);
        args.push_back(path.string());
    }
    const CliOutput run = RunCli(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("cut0: not a TI-82 or TI-83 file, 0 bytes"), std::string::npos);
    EXPECT_NE(run.out.find("cut8: TI-82 file, 8 bytes"), std::string::npos);
}

} // namespace
} // namespace vexil::cli::test
