// SPDX-License-Identifier: GPL-3.0-or-later
// The instruction lines of the opcode-group golden files, assembled by tasm and by
// independent assemblers from the distribution: the bytes must agree. A missing
// tool skips its test, or fails it under CI.
#include "support/OutsideTool.h"
#include "support/ScratchFolder.h"
#include "tasm/Assembler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

namespace fs = std::filesystem;
using namespace vexil::tasm;

namespace {

const fs::path kGoldenDir = fs::path(VEXIL_SOURCE_DIR) / "tests/tasm/golden";

std::optional<fs::path> FindTool(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        fs::path candidate = fs::path(dir) / name;
        std::error_code ec;
        if (!dir.empty() && fs::is_regular_file(candidate, ec)) {
            return candidate;
        }
    }
    return std::nullopt;
}

// Instruction lines (comment removed) of the named golden sources: indented by a
// tab and starting with a lower-case mnemonic.
std::vector<std::string> Instructions(const std::vector<std::string> &names)
{
    std::vector<std::string> lines;
    for (const auto &name : names) {
        std::ifstream in(kGoldenDir / (name + ".asm"));
        std::string line;
        while (std::getline(in, line)) {
            if (line.size() < 2 || line[0] != '\t' || line[1] < 'a' || line[1] > 'z') {
                continue;
            }
            std::string text = line.substr(
                1, line.find(';') == std::string::npos ? std::string::npos : line.find(';') - 1);
            while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
                text.pop_back();
            }
            lines.push_back(text);
        }
    }
    return lines;
}

std::string AssembleWithTasm(const std::vector<std::string> &lines, bool undocumented)
{
    MemoryFileSystem memory;
    std::string source = "\t.org 9327h\n";
    for (const auto &line : lines) {
        source += "\t" + line + "\n";
    }
    memory.files["cross.asm"] = source + "\t.end\n";
    Options options;
    options.undocumented = undocumented;
    std::string console;
    Assembler assembler(options, memory, {}, console);
    AssemblyResult result = assembler.run("cross.asm");
    EXPECT_EQ(result.errorCount, 0) << console;
    std::string bytes;
    for (unsigned a = result.image->low(); !result.image->empty() && a <= result.image->high();
         ++a) {
        bytes += static_cast<char>(result.image->at(static_cast<std::uint16_t>(a)));
    }
    return bytes;
}

// Runs `command` (with {in} and {out} replaced) on the lines, each rewritten by
// `spell` into the other tool's syntax.
std::string AssembleWithTool(const fs::path &tool, const std::string &arguments,
                             const std::vector<std::string> &lines,
                             const std::function<std::string(const std::string &)> &spell)
{
    const vexil::testing::ScratchFolder scratch;
    const fs::path &dir = scratch.path();
    fs::path in = dir / "cross.asm";
    fs::path out = dir / "cross.bin";
    {
        std::ofstream src(in);
        src << "\torg 9327h\n";
        for (const auto &line : lines) {
            src << "\t" << spell(line) << "\n";
        }
    }
    std::string args = arguments;
    args.replace(args.find("{in}"), 4, in.string());
    args.replace(args.find("{out}"), 5, out.string());
    std::string command = tool.string() + " " + args + " > " + (dir / "log").string() + " 2>&1";
    int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << vexil::testing::ReadText(dir / "log");
    return vexil::testing::ReadText(out);
}

void ExpectSame(const std::string &ours, const std::string &theirs,
                const std::vector<std::string> &lines, const std::string &tool)
{
    ASSERT_FALSE(theirs.empty()) << tool << " produced nothing";
    if (ours == theirs) {
        return;
    }
    std::size_t at = 0;
    while (at < ours.size() && at < theirs.size() && ours[at] == theirs[at]) {
        ++at;
    }
    ADD_FAILURE() << tool << " differs from tasm at offset " << at << " of " << lines.size()
                  << " Instructions (sizes " << ours.size() << " and " << theirs.size() << ")";
}

const std::vector<std::string> kDocumented{"z80_load8",      "z80_load16_block", "z80_arith",
                                           "z80_rotate_bit", "z80_jump_call",    "z80_io_cpu"};

std::string Same(const std::string &line)
{
    return line;
}

TEST(TasmCrossCheck, DocumentedSetAgreesWithPasmo)
{
    auto tool = FindTool("pasmo");
    VEXIL_REQUIRE_OUTSIDE_TOOL(tool, "pasmo");
    auto lines = Instructions(kDocumented);
    ASSERT_GT(lines.size(), 650u);
    ExpectSame(AssembleWithTasm(lines, false),
               AssembleWithTool(*tool, "--bin {in} {out}", lines, Same), lines, "pasmo");
}

TEST(TasmCrossCheck, DocumentedSetAgreesWithZ80asm)
{
    auto tool = FindTool("z80asm");
    VEXIL_REQUIRE_OUTSIDE_TOOL(tool, "z80asm");
    auto lines = Instructions(kDocumented);
    // This assembler wants an explicit zero displacement except in jp (ix).
    auto spell = [](const std::string &line) {
        if (line.rfind("jp ", 0) == 0) {
            return line;
        }
        std::string spelled = line;
        for (const char *reg : {"(ix)", "(iy)"}) {
            auto at = spelled.find(reg);
            if (at != std::string::npos) {
                spelled.replace(at, 4, std::string(reg, 3) + "+0)");
            }
        }
        return spelled;
    };
    ExpectSame(AssembleWithTasm(lines, false),
               AssembleWithTool(*tool, "-o {out} {in}", lines, spell), lines, "z80asm");
}

TEST(TasmCrossCheck, UndocumentedFormsAgreeWithPasmo)
{
    auto tool = FindTool("pasmo");
    VEXIL_REQUIRE_OUTSIDE_TOOL(tool, "pasmo");
    // pasmo lacks the SL1 spelling and the flag-only IN and OUT forms.
    std::vector<std::string> lines;
    for (const auto &line : Instructions({"undocumented"})) {
        if (line.rfind("sl1", 0) != 0 && line.find("(c)") == std::string::npos) {
            lines.push_back(line);
        }
    }
    ASSERT_GT(lines.size(), 20u);
    ExpectSame(AssembleWithTasm(lines, true),
               AssembleWithTool(*tool, "--bin {in} {out}", lines, Same), lines, "pasmo");
}

} // namespace
