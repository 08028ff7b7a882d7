// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators' own numbers, token texts and file quirks, checked end to end
// through vexil-cli, and the command's behaviour on inputs a script may hand it
// by mistake (folders, devices, missing files, output it cannot write).
#include "CliRun.h"

#include "base/FileIo.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vexil::cli::test {
namespace {

namespace fs = std::filesystem;
using varfile::Bytes;

const std::string kInvalidReal =
    "Invalid floating point number entered.  Please note that only numbers from -1E100 to "
    "1E100 (exclusive) are valid, and that you cannot enter an expression to be evaluated.\n";

std::string Decode(const std::vector<std::string> &bytes)
{
    std::vector<std::string> args = {"real", "decode"};
    args.insert(args.end(), bytes.begin(), bytes.end());
    return RunCli(args).out;
}

using vexil::testing::ReadText;
using vexil::testing::WriteText;

TEST(CliWorkedExamples, Reals)
{
    // Zero, a value with an exponent, and thirds rounded on their 14th digit.
    EXPECT_EQ(RunCli({"real", "encode", "0"}).out, "00 80 00 00 00 00 00 00 00\n");
    EXPECT_EQ(RunCli({"real", "encode", "123.45"}).out, "00 82 12 34 50 00 00 00 00\n");
    EXPECT_EQ(RunCli({"real", "encode", "0.33333333333333333"}).out,
              "00 7F 33 33 33 33 33 33 33\n");
    EXPECT_EQ(RunCli({"real", "encode", "0.66666666666666666"}).out,
              "00 7F 66 66 66 66 66 66 67\n");

    // Both bounds are excluded.
    for (const char *value : {"1E100", "-1E100", "1e200"}) {
        const CliOutput run = RunCli({"real", "encode", value});
        EXPECT_EQ(run.exitCode, 1) << value;
        EXPECT_EQ(run.err, kInvalidReal) << value;
    }

    // Display text: fixed down to 0.0001 and up to 14 integer digits.
    EXPECT_EQ(Decode({"00", "80", "00", "00", "00", "00", "00", "00", "00"}), "0\n");
    EXPECT_EQ(Decode({"00", "7C", "10", "00", "00", "00", "00", "00", "00"}), "0.0001\n");
    EXPECT_EQ(Decode({"00", "7B", "10", "00", "00", "00", "00", "00", "00"}), "1E-5\n");
    EXPECT_EQ(Decode({"00", "8E", "10", "00", "00", "00", "00", "00", "00"}), "1E14\n");
    EXPECT_EQ(Decode({"00", "8D", "99", "99", "99", "99", "99", "99", "99"}), "99999999999999\n");
    EXPECT_EQ(Decode({"80", "E3", "12", "34", "56", "78", "90", "12", "34"}),
              "-1.2345678901234E99\n");
    // Only the sign bit of the first byte counts.
    EXPECT_EQ(Decode({"0C", "80", "50", "00", "00", "00", "00", "00", "00"}), "5\n");
    EXPECT_EQ(Decode({"7F", "80", "50", "00", "00", "00", "00", "00", "00"}), "5\n");
}

TEST(CliWorkedExamples, TokenTexts)
{
    const ScratchFolder folder;
    const auto encode = [&](const std::string &model, const std::string &text) {
        WriteText(folder / "in.txt", text);
        const CliOutput run =
            RunCli({"tokens", "encode", "--model", model, "--raw", (folder / "in.txt").string()});
        EXPECT_EQ(run.exitCode, 0) << text << ": " << run.err;
        return run.out;
    };
    const auto decode = [&](const std::string &model, const std::string &tokens) {
        WriteText(folder / "in.bin", tokens);
        return RunCli({"tokens", "decode", "--model", model, "--raw", (folder / "in.bin").string()})
            .out;
    };

    // The longest text wins over its prefixes.
    EXPECT_EQ(encode("82", "Zoom Out"), "\x8A");
    EXPECT_EQ(encode("82", "ZXmin"), "\x63\x12");
    EXPECT_EQ(encode("83", "w(\xD6Min)"), "\x63\x32");
    EXPECT_EQ(encode("83", "w"), "\x5E\x82");
    EXPECT_EQ(encode("83", "r\x81"), "\x5E\x40");
    EXPECT_EQ(encode("83", "r"), "\x62\x12");
    EXPECT_EQ(encode("83", "QuartReg "), "\x2F");
    EXPECT_EQ(encode("83", "QuadReg"), "\xF9");
    EXPECT_EQ(encode("83", "GDB8GDB9"), "\x61\x07\x61\x08");

    // The TI-82 quartiles, both ways.
    EXPECT_EQ(encode("82", "Q\x81Q\x83"), "\x62\x14\x62\x15");
    EXPECT_EQ(decode("82", "\x62\x14\x62\x15"), "Q\x81Q\x83");

    // A display program, and an equation byte the TI-82 does not have.
    EXPECT_EQ(decode("82", "\xDE\x2A\x48\x49\x2A\x3F\xD9"), "Disp \"HI\"\r\nStop");
    EXPECT_EQ(encode("82", "Disp \"HI\"\r\nStop"), "\xDE\x2A\x48\x49\x2A\x3F\xD9");
    // The equation would be lost, so it is decoded only when asked to be.
    EXPECT_EQ(decode("82", "\x5E\x50\x41"), "");
    WriteText(folder / "in.bin", "\x5E\x50\x41");
    EXPECT_EQ(RunCli({"tokens", "decode", "--model", "82", "--raw", "--lossy",
                      (folder / "in.bin").string()})
                  .out,
              "A");

    // Nothing in, nothing out.
    EXPECT_EQ(encode("83", ""), "");
    EXPECT_EQ(decode("83", ""), "");
}

TEST(CliWorkedExamples, InfoReadsTheModelAndTypeTogether)
{
    const ScratchFolder folder;
    // Type 0D is a table setup on the TI-82 and a complex list on the TI-83.
    Bytes table = *varfile::BuildVarFile(
        varfile::CalcModel::TI82, varfile::WriterComment(varfile::CommentWriter::TableSetup),
        {{0x0D, varfile::SettingsVarName(varfile::CalcModel::TI82), Bytes(20, 0)}});
    ASSERT_FALSE(base::WriteFileAtomically(folder / "T.82t", table));
    CliOutput run = RunCli({"info", (folder / "T.82t").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("TI-82 file, 92 bytes"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("type 0D (Table setup)"), std::string::npos) << run.out;

    // A sixth byte other than "2" reads as a TI-83 file; the signature itself
    // is then reported as damaged.
    table[5] = '4';
    ASSERT_FALSE(base::WriteFileAtomically(folder / "T.84t", table));
    run = RunCli({"info", (folder / "T.84t").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("TI-83 file"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("type 0D (Complex list)"), std::string::npos) << run.out;

    // A wrong checksum is reported, yet the program still exports.
    WriteText(folder / "p.txt", "Disp \"HI\"");
    ASSERT_EQ(RunCli({"basic", "import", (folder / "p.txt").string(), "--model", "82", "--name",
                      "HI", "-o", (folder / "HI.82p").string()})
                  .exitCode,
              0);
    std::string saved = ReadText(folder / "HI.82p");
    saved.back() = static_cast<char>(saved.back() ^ 0x55);
    WriteText(folder / "HI.82p", saved);
    run = RunCli({"info", (folder / "HI.82p").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("stored checksum"), std::string::npos);
    run = RunCli({"basic", "export", (folder / "HI.82p").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Disp \"HI\"");
}

TEST(CliRobustness, InputsThatAreNotFiles)
{
    const ScratchFolder folder;
    fs::create_directories(folder / "dir");
    const std::string dir = (folder / "dir").string();
    const std::string missing = (folder / "missing").string();
    WriteText(folder / "empty", "");
    const std::string empty = (folder / "empty").string();

    const std::string pipe = (folder / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    // A folder, a missing file or a pipe nobody writes to as input: a message naming
    // it, exit code 1, and no wait for the pipe.
    for (const std::string &path : {dir, missing, pipe}) {
        for (const std::vector<std::string> &args :
             std::vector<std::vector<std::string>>{{"info", path},
                                                   {"basic", "export", path},
                                                   {"tokens", "decode", "--model", "83", path},
                                                   {"tokens", "encode", "--model", "83", path}}) {
            const CliOutput run = RunCli(args);
            EXPECT_EQ(run.exitCode, 1) << args[0] << ' ' << path;
            EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
            EXPECT_TRUE(run.out.empty()) << run.out;
        }
    }
    // An object file that is a folder is not an object file.
    CliOutput run = RunCli(
        {"program", dir, "-o", (folder / "P.82p").string(), "--target", "ash", "--name", "P"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Fatal Error: Cannot find object file (" + dir + ").\n");

    // A device that never ends is refused instead of filling the memory.
    run = RunCli({"info", "/dev/zero"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;

    // A variable file cannot be longer than its 16-bit lengths allow; a longer one is
    // refused before it is read.
    const fs::path huge = folder / "huge.83p";
    WriteText(huge, "**TI83**");
    fs::resize_file(huge, 55 + 65535 + 2 + 1);
    for (const std::vector<std::string> &args : std::vector<std::vector<std::string>>{
             {"info", huge.string()}, {"basic", "export", huge.string()}}) {
        run = RunCli(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("larger than a calculator variable file can be (at most 65592 "
                               "bytes)"),
                  std::string::npos)
            << run.err;
    }

    // An empty file: no program in it, no tokens, an empty text.
    run = RunCli({"basic", "export", empty});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Error reading program file."), std::string::npos);
    run = RunCli({"info", empty});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, empty + ": not a TI-82 or TI-83 file, 0 bytes\n");
    EXPECT_EQ(RunCli({"tokens", "decode", "--model", "82", empty}).exitCode, 0);
}

TEST(CliRobustness, OutputThatCannotBeWritten)
{
    // Even with every permission, a folder below a plain file cannot exist.
    const ScratchFolder folder;
    WriteText(folder / "plain", "x");
    WriteText(folder / "prog.txt", "Disp 1");
    ASSERT_FALSE(base::WriteFileAtomically(folder / "code.obj", Bytes{0xC9}));
    const std::string blocked = (folder / "plain" / "OUT").string();

    const std::vector<std::vector<std::string>> commands = {
        {"program", (folder / "code.obj").string(), "-o", blocked, "--target", "ashell83", "--name",
         "P"},
        {"basic", "import", (folder / "prog.txt").string(), "--model", "83", "--name", "P", "-o",
         blocked},
        {"tokens", "encode", "--model", "83", (folder / "prog.txt").string(), "-o", blocked},
    };
    for (const auto &args : commands) {
        const CliOutput run = RunCli(args);
        EXPECT_EQ(run.exitCode, 1) << args[0];
        EXPECT_NE(run.err.find(blocked), std::string::npos) << run.err;
    }
    // A folder in the way of the output is left as it was, with nothing beside it.
    fs::create_directories(folder / "taken");
    const CliOutput run =
        RunCli({"program", (folder / "code.obj").string(), "-o", (folder / "taken").string(),
                "--target", "ashell83", "--name", "P"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(fs::is_directory(folder / "taken"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 4);
}

} // namespace
} // namespace vexil::cli::test
