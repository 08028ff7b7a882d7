// SPDX-License-Identifier: GPL-3.0-or-later
// Files whose tokens would not survive being shown as text, and files that are
// not one TI-82 or TI-83 program, through tokens decode, basic export and info;
// and program text written the way TI-BASIC sources on the web write it.
#include "CliRun.h"

#include "assemble/ProgramFile.h"
#include "base/FileIo.h"
#include "tibasic/ProgramFile.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

#include <gtest/gtest.h>

namespace vexil::cli::test {
namespace {

namespace fs = std::filesystem;
using varfile::Bytes;

// ld hl,0 / call 470A / ret: Z80 code, not tokens.
const Bytes kObject = {0x21, 0x00, 0x00, 0xCD, 0x0A, 0x47, 0xC9};

Bytes AssemblyProgram(assemble::ShellTarget target, bool squish)
{
    assemble::ProgramSettings settings;
    settings.target = target;
    settings.name = "ASM";
    settings.squish = squish;
    const assemble::ProgramFileResult built = assemble::BuildProgramFile(kObject, settings);
    EXPECT_TRUE(built.ok()) << built.error;
    return built.file;
}

Bytes BasicProgram(varfile::CalcModel model, const Bytes &tokens)
{
    return *tibasic::BuildProgramFile(model, tibasic::Program{"P", false, tokens});
}

// A TI-83 Plus program as that calculator writes it: its own signature and a
// 13-byte entry header with a version and a flag byte.
Bytes Ti83PlusProgram(const Bytes &tokens)
{
    Bytes data = {static_cast<std::uint8_t>(tokens.size()), 0x00};
    data.insert(data.end(), tokens.begin(), tokens.end());
    const auto length = static_cast<std::uint8_t>(data.size());
    Bytes section = {0x0D, 0x00, length, 0x00, 0x05, 'A',  0,      0,   0,
                     0,    0,    0,      0,    0x00, 0x00, length, 0x00};
    section.insert(section.end(), data.begin(), data.end());
    Bytes file(11, 0);
    std::copy_n("**TI83F*\x1A\x0A", 11, file.begin());
    const varfile::Comment comment = varfile::MakeComment("plus");
    file.insert(file.end(), comment.begin(), comment.end());
    file.push_back(static_cast<std::uint8_t>(section.size()));
    file.push_back(0x00);
    file.insert(file.end(), section.begin(), section.end());
    const std::uint16_t sum = varfile::ByteSum(section);
    file.push_back(static_cast<std::uint8_t>(sum & 0xFF));
    file.push_back(static_cast<std::uint8_t>(sum >> 8));
    return file;
}

Bytes TokensOf(const Bytes &programFile)
{
    return Bytes(programFile.begin() + 72, programFile.end() - 2);
}

class ForeignAndLossyFiles : public ::testing::Test {
protected:
    std::string put(const std::string &name, const Bytes &bytes) const
    {
        const fs::path path = scratch_ / name;
        EXPECT_FALSE(base::WriteFileAtomically(path, bytes));
        return path.string();
    }
    std::string put(const std::string &name, const std::string &text) const
    {
        return put(name, Bytes(text.begin(), text.end()));
    }
    std::string read(const std::string &name) const
    {
        const Bytes bytes = base::ReadWholeFile(scratch_ / name).bytes;
        return std::string(bytes.begin(), bytes.end());
    }

private:
    ScratchFolder scratch_;
};

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(ForeignAndLossyFiles, AssemblyProgramsDecodeOnlyWhenAskedTo)
{
    const Bytes squished = AssemblyProgram(assemble::ShellTarget::TI83, true);
    const std::string program = put("asm.83p", squished);
    const std::string stream = put("asm.bin", TokensOf(squished));
    const std::string lost = "The tokens do not decode reversibly at 2 places, the first at byte "
                             "offset ";
    const std::string why = ": an assembly program or tokens of another calculator?";

    CliOutput run = RunCli({"tokens", "decode", "--model", "83", stream});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err, stream + ": " + lost + "1 (0x1)" + why + " (--lossy decodes it anyway)\n");
    run = RunCli({"tokens", "decode", "--model", "83", "--lossy", stream});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.out.empty());
    EXPECT_EQ(run.err, stream + ": warning: " + lost + "1 (0x1)" + why + "\n");

    // In a program file the offset is the file's.
    run = RunCli({"basic", "export", program});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(Contains(run.err, lost + "73 (0x49)" + why)) << run.err;
    EXPECT_EQ(RunCli({"basic", "export", "--lossy", program}).exitCode, 0);
    run = RunCli({"info", program});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(Contains(run.out, "9 data bytes\n    " + lost + "73 (0x49)" + why + "\n"))
        << run.out;

    // An Ash program starts with code too; a TI-83 program of hex digits is text.
    EXPECT_EQ(RunCli({"basic", "export",
                      put("ash.82p", AssemblyProgram(assemble::ShellTarget::Ash, false))})
                  .exitCode,
              1);
    run = RunCli(
        {"basic", "export", put("hex.83p", AssemblyProgram(assemble::ShellTarget::TI83, false))});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "210000CD0A47C9\nEnd\n0000\nEnd");
}

TEST_F(ForeignAndLossyFiles, ExportReadsOnlyOneWholeProgram)
{
    const auto refusal = [](const std::string &path) {
        const CliOutput run = RunCli({"basic", "export", path});
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_TRUE(run.out.empty()) << path;
        return run.err;
    };
    const Bytes disp = {0xDE, 0x31, 0x3F, 0xDE, 0x32};
    const Bytes asmEntry = varfile::SerializeVarEntry(
        {0x05, varfile::ProgramVarName("ASM"), Bytes{0x02, 0x00, 0xC9, 0x00}});
    Bytes section =
        varfile::SerializeVarEntry({0x05, varfile::ProgramVarName("P"), Bytes{0x01, 0x00, 0xD9}});
    section.insert(section.end(), asmEntry.begin(), asmEntry.end());
    const std::string group =
        put("two.83g", *varfile::BuildVarFileFromSection(varfile::CalcModel::TI83,
                                                         varfile::MakeComment("group"), section));
    EXPECT_EQ(refusal(group), group + ": Error reading program file. It is a TI-83 group of 2 "
                                      "variables, not a program.\n");
    // info checks the tokens of each entry for itself.
    CliOutput run = RunCli({"info", group});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(Contains(run.out, "name \"ASM\", 4 data bytes\n    The tokens do not decode "
                                  "reversibly at 1 place, at byte offset 91 (0x5B)"))
        << run.out;

    const Bytes backup = {0x09, 0x00, 0x02, 0x00, 0x0F, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00,
                          0x02, 0x00, 0xAA, 0xBB, 0x01, 0x00, 0xCC, 0x01, 0x00, 0xDD};
    EXPECT_TRUE(Contains(refusal(put("all.82b", *varfile::BuildVarFileFromSection(
                                                    varfile::CalcModel::TI82,
                                                    varfile::MakeComment("backup"), backup))),
                         "It is a TI-82 backup, not a program.\n"));
    const Bytes list = *varfile::BuildVarFile(varfile::CalcModel::TI82, varfile::MakeComment("l"),
                                              {{0x01, *varfile::ListVarName(1), Bytes{0, 0}}});
    EXPECT_TRUE(Contains(refusal(put("L1.82l", list)), "It is a TI-82 list, not a program.\n"));

    const std::string plus = put("plus.8xp", Ti83PlusProgram({0xBB, 0x6D, 0xC9}));
    EXPECT_TRUE(Contains(refusal(plus), "It is a TI-83 Plus file; only TI-82 and TI-83 programs "
                                        "can be read.\n"));
    run = RunCli({"info", plus});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, plus + ": TI-83 Plus file, 79 bytes\n  This is a TI-83 Plus file; Vexil "
                              "works with TI-82 and TI-83 files only.\n");
    // Its tokens are the later model's: AsmPrgm is no TI-83 token.
    EXPECT_EQ(
        RunCli({"tokens", "decode", "--model", "83", put("plus.bin", Bytes{0xBB, 0x6D, 0xC9})})
            .exitCode,
        1);

    // Cut short by two tokens and the checksum: refused, not printed without its
    // last line.
    const Bytes whole = BasicProgram(varfile::CalcModel::TI83, disp);
    const std::string cut = put("cut.83p", Bytes(whole.begin(), whole.end() - 4));
    EXPECT_TRUE(Contains(refusal(cut), "It is damaged or cut short: ")) << refusal(cut);
    EXPECT_EQ(RunCli({"info", cut}).exitCode, 1);
    EXPECT_EQ(
        RunCli({"tokens", "decode", "--model", "83", put("cut.bin", Bytes{0xDE, 0xAA})}).exitCode,
        1);

    const std::string noise = put("noise.83p", Bytes(100, 0x41));
    EXPECT_TRUE(Contains(refusal(noise), "It is not a TI-82 or TI-83 file.\n"));
    EXPECT_EQ(RunCli({"info", noise}).out, noise + ": not a TI-82 or TI-83 file, 100 bytes\n");
}

TEST_F(ForeignAndLossyFiles, ImportTakesTheSpellingsOfTheWeb)
{
    // "->" for the store arrow, "Pause" without its blank.
    const std::string text = put("web.txt", "5->X\nPause\nDisp X");
    const std::string out = (fs::path(text).parent_path() / "web.83p").string();
    ASSERT_EQ(RunCli({"basic", "import", text, "--model", "83", "--name", "W", "-o", out}).exitCode,
              0);
    CliOutput run = RunCli({"basic", "export", out});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "5→X\nPause \nDisp X");

    // --exact reads the text as an editor saves it: other tokens entirely.
    ASSERT_EQ(
        RunCli({"basic", "import", text, "--model", "83", "--name", "W", "--exact", "-o", out})
            .exitCode,
        0);
    EXPECT_EQ(read("web.83p").substr(72, 3), "5\x71\x6C");

    const std::string ti82 = put("disp.txt", "Disp\nPause");
    EXPECT_EQ(RunCli({"tokens", "encode", "--model", "82", ti82}).out, "\xDE\x3F\xD8");
    run = RunCli({"tokens", "encode", "--model", "82", "--exact", ti82});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(Contains(run.err, ":1:2: Invalid program token found.")) << run.err;
}

} // namespace
} // namespace vexil::cli::test
