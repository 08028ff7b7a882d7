// SPDX-License-Identifier: GPL-3.0-or-later
// Golden files: every golden/<name>.asm is assembled in memory with the options in
// <name>.flags (default "-80 -b") and must reproduce <name>.bin, <name>.lst and
// <name>.out (console text plus the exit code). VEXIL_REBASELINE=1 rewrites them.
// Independently of the baselines, a line whose comment is only hex byte pairs
// ("ld a,b ; 78") must assemble to exactly those bytes. The banner's release number
// is kept out of the baselines as @VERSION@.
#include "tasm/Assembler.h"
#include "tasm/CommandLine.h"
#include "tasm/Tasm.h"

#include "base/Version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace fs = std::filesystem;
using namespace vexil::tasm;

namespace {

const fs::path kGoldenDir = fs::path(VEXIL_SOURCE_DIR) / "tests/tasm/golden";

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path &path, const std::string &data)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
}

std::vector<std::string> GoldenNames()
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(kGoldenDir)) {
        if (entry.path().extension() == ".asm") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Every file under the golden folder, by its path relative to that folder.
void LoadTree(MemoryFileSystem &memory)
{
    for (const auto &entry : fs::recursive_directory_iterator(kGoldenDir)) {
        if (entry.is_regular_file()) {
            auto rel = fs::relative(entry.path(), kGoldenDir).string();
            memory.files[rel] = ReadFile(entry.path());
        }
    }
}

std::vector<std::string> Words(const std::string &text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string w;
    while (in >> w) {
        out.push_back(w);
    }
    return out;
}

// Expected bytes written as the line's comment, e.g. "; DD CB 05 C6": nothing but
// upper-case hex pairs after the last semicolon.
std::optional<std::vector<std::uint8_t>> CommentBytes(const std::string &line)
{
    auto semicolon = line.rfind(';');
    if (line.empty() || line[0] == ';' || semicolon == std::string::npos) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    for (const auto &word : Words(line.substr(semicolon + 1))) {
        if (word.size() != 2 || word.find_first_not_of("0123456789ABCDEF") != std::string::npos) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
    }
    if (bytes.empty()) {
        return std::nullopt;
    }
    return bytes;
}

std::map<int, std::vector<std::uint8_t>> ExpectedBytes(const std::string &source)
{
    std::map<int, std::vector<std::uint8_t>> expected;
    std::istringstream in(source);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (auto bytes = CommentBytes(line)) {
            expected[number] = *bytes;
        }
    }
    return expected;
}

std::string HexList(const std::vector<std::uint8_t> &bytes)
{
    std::string text;
    char b[4];
    for (auto v : bytes) {
        std::snprintf(b, sizeof b, "%02X ", v);
        text += b;
    }
    return text;
}

class Golden : public ::testing::TestWithParam<std::string> {};
class GoldenLines : public ::testing::TestWithParam<std::string> {};

// The cases that write the expected bytes beside their instructions.
std::vector<std::string> CommentedNames()
{
    std::vector<std::string> names;
    for (const std::string &name : GoldenNames()) {
        if (!ExpectedBytes(ReadFile(kGoldenDir / (name + ".asm"))).empty()) {
            names.push_back(name);
        }
    }
    return names;
}

TEST_P(Golden, MatchesBaselines)
{
    const std::string name = GetParam();
    MemoryFileSystem memory;
    LoadTree(memory);
    for (const char *extension : {".obj", ".lst", ".exp", ".sym"}) {
        memory.files.erase(name + extension);
    }
    std::vector<std::string> args{"-80", "-b"};
    if (memory.files.count(name + ".flags")) {
        args = Words(memory.files[name + ".flags"]);
    }
    args.push_back(name + ".asm");
    args.push_back(name + ".obj");
    std::string console;
    Environment env;
    env.tasmInc = "inc";
    int code = RunTasm(args, env, memory, console);
    console += "[exit " + std::to_string(code) + "]\n";
    const std::string version = std::string("Version ") + vexil::base::VexilVersion();
    if (const std::size_t at = console.find(version); at != std::string::npos) {
        console.replace(at, version.size(), "Version @VERSION@");
    }

    const std::string object = memory.files[name + ".obj"];
    const std::string listing = memory.files[name + ".lst"];
    const char *rebaseline = std::getenv("VEXIL_REBASELINE");
    if (rebaseline && std::string(rebaseline) == "1") {
        WriteFile(kGoldenDir / (name + ".bin"), object);
        WriteFile(kGoldenDir / (name + ".lst"), listing);
        WriteFile(kGoldenDir / (name + ".out"), console);
    }
    EXPECT_EQ(ReadFile(kGoldenDir / (name + ".out")), console);
    EXPECT_EQ(ReadFile(kGoldenDir / (name + ".lst")), listing);
    EXPECT_TRUE(ReadFile(kGoldenDir / (name + ".bin")) == object) << "object differs";
    for (const char *extension : {".exp", ".sym"}) {
        auto produced = memory.files.find(name + extension);
        bool expected = fs::exists(kGoldenDir / (name + extension));
        if (produced != memory.files.end() && rebaseline && std::string(rebaseline) == "1") {
            WriteFile(kGoldenDir / (name + extension), produced->second);
            expected = true;
        }
        ASSERT_EQ(expected, produced != memory.files.end()) << extension;
        if (expected) {
            EXPECT_EQ(ReadFile(kGoldenDir / (name + extension)), produced->second);
        }
    }
}

// The bytes written beside each instruction, checked line by line.
TEST_P(GoldenLines, MatchTheirCommentedBytes)
{
    const std::string name = GetParam();
    const std::string source = ReadFile(kGoldenDir / (name + ".asm"));
    auto expected = ExpectedBytes(source);
    ASSERT_FALSE(expected.empty());
    MemoryFileSystem memory;
    LoadTree(memory);
    Options options;
    if (memory.files.count(name + ".flags")) {
        options = ParseCommandLine(Words(memory.files[name + ".flags"])).options;
    }
    std::string console;
    Assembler assembler(options, memory, {"inc"}, console);
    assembler.recordLineBytes();
    AssemblyResult result = assembler.run(name + ".asm");
    std::map<int, std::vector<std::uint8_t>> actual;
    for (const auto &line : result.lineBytes) {
        if (line.file == name + ".asm") {
            actual[line.line] = line.bytes;
        }
    }
    for (const auto &[line, bytes] : expected) {
        EXPECT_EQ(HexList(bytes), HexList(actual[line])) << name << ".asm line " << line;
    }
}

std::string CaseName(const ::testing::TestParamInfo<std::string> &param)
{
    return param.param;
}

INSTANTIATE_TEST_SUITE_P(Tasm, Golden, ::testing::ValuesIn(GoldenNames()), CaseName);
INSTANTIATE_TEST_SUITE_P(Tasm, GoldenLines, ::testing::ValuesIn(CommentedNames()), CaseName);

} // namespace
