// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli tokens and basic, run as a user's script would run them.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vexil::cli::test {
namespace {

namespace fs = std::filesystem;

class TokensBasicCommands : public ::testing::Test {
protected:
    std::string file(const std::string &name) const { return (scratch_ / name).string(); }

    void write(const std::string &name, const std::string &bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }

    std::string read(const std::string &name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    static CliOutput run(const std::vector<std::string> &args) { return RunCli(args); }

private:
    ScratchFolder scratch_;
};

TEST_F(TokensBasicCommands, TokenStreamsBothWays)
{
    write("prog.bin", "\xDE\x2A\x48\x49\x2A\x3F\x35\x04\x58");

    // Decoding prints UTF-8 with "\n" line breaks, or the 8-bit text with --raw.
    CliOutput decoded = run({"tokens", "decode", "--model", "82", file("prog.bin")});
    EXPECT_EQ(decoded.exitCode, 0);
    EXPECT_EQ(decoded.out, "Disp \"HI\"\n5→X");
    decoded = run({"tokens", "decode", "--model", "82", "--raw", file("prog.bin")});
    EXPECT_EQ(decoded.out, "Disp \"HI\"\r\n5\xFCX");

    // Encoding the printed text gives the stream back, to a file or to stdout.
    write("prog.txt", "Disp \"HI\"\n5→X");
    EXPECT_EQ(run({"tokens", "encode", "--model", "82", file("prog.txt"), "-o", file("out.bin")})
                  .exitCode,
              0);
    EXPECT_EQ(read("out.bin"), read("prog.bin"));
    write("raw.txt", "Disp \"HI\"\r\n5\xFCX");
    EXPECT_EQ(run({"tokens", "encode", "--model", "82", "--raw", file("raw.txt")}).out,
              read("prog.bin"));
}

TEST_F(TokensBasicCommands, InvalidTokenWritesNothing)
{
    write("bad.txt", "Disp \"HI\"\nDisp q");
    write("out.bin", "previous");
    const CliOutput encoded =
        run({"tokens", "encode", "--model", "82", file("bad.txt"), "-o", file("out.bin")});
    EXPECT_EQ(encoded.exitCode, 1);
    EXPECT_NE(encoded.err.find(":2:6: Invalid program token found."), std::string::npos)
        << encoded.err;
    EXPECT_EQ(read("out.bin"), "previous");

    const CliOutput imported = run({"basic", "import", file("bad.txt"), "--model", "83", "--name",
                                    "P", "-o", file("bad.83p")});
    EXPECT_EQ(imported.exitCode, 1);
    EXPECT_FALSE(fs::exists(file("bad.83p")));
}

TEST_F(TokensBasicCommands, ProgramFilesBothWays)
{
    const std::string text = "ClrHome\nFor(I,1,10)\nDisp I²,√(I)\nEnd";
    write("prog.txt", text);
    const CliOutput imported = run({"basic", "import", file("prog.txt"), "--model", "83", "--name",
                                    "A@", "--protect", "-o", file("prog.83p")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;

    const std::string saved = read("prog.83p");
    ASSERT_GE(saved.size(), 74u);
    EXPECT_EQ(saved.substr(0, 8), "**TI83**");
    EXPECT_EQ(saved[59], '\x06');
    EXPECT_EQ(saved.substr(60, 8), std::string("A\x5B\0\0\0\0\0\0", 8));

    const CliOutput exported = run({"basic", "export", file("prog.83p")});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.out, text);

    // A file cut short is refused with the program editor's message.
    write("short.83p", saved.substr(0, 60));
    const CliOutput damaged = run({"basic", "export", file("short.83p")});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_NE(damaged.err.find("Error reading program file."), std::string::npos);
    EXPECT_TRUE(damaged.out.empty());
}

TEST_F(TokensBasicCommands, TextFromTheWebIsReadAsTheCalculatorMeantIt)
{
    // "->" and ">=" are the web's spellings of → and ≥; "Pause" at a line end is the
    // command without its blank; inside a string the characters stay as typed.
    write("web.txt", "5->X\nPause\nIf X>=2:Disp \"HI->\"");
    const std::string tokens("\x35\x04\x58\x3F\xD8\x3F\xCE\x58\x6E\x32\x3E\xDE\x2A\x48\x49"
                             "\x71\x6C\x2A");
    EXPECT_EQ(run({"tokens", "encode", "--model", "83", file("web.txt")}).out, tokens);
    // --exact takes every character as it stands: "-" and ">" are tokens of their own.
    const CliOutput exact = run({"tokens", "encode", "--model", "83", "--exact", file("web.txt")});
    EXPECT_EQ(exact.exitCode, 0);
    EXPECT_EQ(exact.out.substr(0, 4), "\x35\x71\x6C\x58");

    ASSERT_EQ(run({"basic", "import", file("web.txt"), "--model", "83", "--name", "WEB", "-o",
                   file("web.83p")})
                  .exitCode,
              0);
    EXPECT_EQ(run({"basic", "export", file("web.83p")}).out, "5→X\nPause \nIf X≥2:Disp \"HI->\"");
}

TEST_F(TokensBasicCommands, UsageErrors)
{
    write("prog.txt", "1");
    // Unknown model, missing subcommand, missing required option.
    EXPECT_EQ(run({"tokens", "decode", "--model", "84", file("prog.txt")}).exitCode, 2);
    EXPECT_EQ(run({"tokens"}).exitCode, 2);
    EXPECT_EQ(
        run({"basic", "import", file("prog.txt"), "--model", "82", "-o", file("p.82p")}).exitCode,
        2);
    // A name the calculator cannot hold is bad input, and nothing is written.
    EXPECT_EQ(run({"basic", "import", file("prog.txt"), "--model", "82", "--name", "TOOLONGNAME",
                   "-o", file("p.82p")})
                  .exitCode,
              1);
    EXPECT_FALSE(fs::exists(file("p.82p")));
}

} // namespace
} // namespace vexil::cli::test
