// SPDX-License-Identifier: GPL-3.0-or-later
// What other tools read: the object file in each record format, and error lines laid
// out by TASMERRFORMAT.
#include "tasm/CommandLine.h"
#include "tasm/Diagnostics.h"
#include "tasm/Tasm.h"

#include <gtest/gtest.h>

using namespace vexil::tasm;

namespace {

// Two blocks with a gap between them, so every format must start a new record.
constexpr const char *kTwoBlocks = " .org $100\n .db 1,2,3\n .org $200\n .db $AA,$BB\n .end\n";

std::string ObjectOf(std::vector<std::string> flags, Environment env = {})
{
    MemoryFileSystem fs;
    fs.files["p.asm"] = kTwoBlocks;
    std::vector<std::string> args{"-80"};
    args.insert(args.end(), flags.begin(), flags.end());
    args.insert(args.end(), {"p.asm", "p.obj"});
    std::string console;
    EXPECT_EQ(RunTasm(args, env, fs, console), 0) << console;
    return fs.files["p.obj"];
}

TEST(TasmObjectFormat, EachFormatSplitsAtTheGap)
{
    const std::string intel = ":03010000010203F6\n:02020000AABB97\n:00000001FF\n";
    EXPECT_EQ(ObjectOf({}), intel);
    EXPECT_EQ(ObjectOf({"-g0"}), intel);
    const std::string mos = ";030100010203000A\n;020200AABB0169\n;0000020002\n";
    EXPECT_EQ(ObjectOf({"-g1"}), mos);
    EXPECT_EQ(ObjectOf({"-m"}), mos);
    EXPECT_EQ(ObjectOf({"-g2"}), "S1060100010203F2\nS1050200AABB93\nS9030000FC\n");
    // Word addresses: byte 0100 is word 0080, and the checksum covers the halved address.
    EXPECT_EQ(ObjectOf({"-g4"}), ":0300800001020377\n:02010000AABB98\n:00000001FF\n");
    const std::string image = ObjectOf({"-g3"});
    ASSERT_EQ(image.size(), 0x102u);
    EXPECT_EQ(image.substr(0, 4), std::string("\x01\x02\x03\x00", 4));
    EXPECT_EQ(image.substr(0x100), "\xAA\xBB");
    // -c fills the gap instead of skipping it, in the hex formats too.
    const std::string filled = ObjectOf({"-c", "-g1", "-o80"});
    EXPECT_EQ(filled.substr(0, 7), ";800100");
    EXPECT_EQ(filled.substr(filled.size() - 12), ";0000030003\n");
}

TEST(TasmObjectFormat, RecordLengthAppliesToEveryHexFormat)
{
    EXPECT_EQ(ObjectOf({"-o2"}), ":020100000102FA\n:0101020003F9\n:02020000AABB97\n:00000001FF\n");
    EXPECT_EQ(ObjectOf({"-O2", "-m"}),
              ";02010001020006\n;010102030007\n;020200AABB0169\n;0000030003\n");
    EXPECT_EQ(ObjectOf({"-o1", "-g2"}).substr(0, 26), "S104010001F9\nS104010102F7\n");
    // A Motorola count byte must also hold the address and checksum: 252 data bytes
    // at most, whatever -o asks.
    MemoryFileSystem fs;
    fs.files["big.asm"] = " .org 0\n .fill 300, $11\n .end\n";
    std::string console;
    ASSERT_EQ(RunTasm({"-80", "-g2", "-oFF", "big.asm"}, {}, fs, console), 0) << console;
    EXPECT_EQ(fs.files["big.obj"].substr(0, 8), "S1FF0000");
    EXPECT_EQ(fs.files["big.obj"].substr(2 + 2 + 4 + 252 * 2 + 2 + 1, 8), "S13300FC");
}

TEST(TasmObjectFormat, RightMostFormatOptionWins)
{
    auto format = [](std::vector<std::string> args) {
        return ParseCommandLine(args).options.objectFormat;
    };
    EXPECT_EQ(format({"-b", "-g0"}), ObjectFormat::IntelHex);
    EXPECT_EQ(format({"-g2", "-m"}), ObjectFormat::MosTechHex);
    EXPECT_EQ(format({"-m", "-B"}), ObjectFormat::Binary);
    EXPECT_EQ(format({"-g1", "-G4"}), ObjectFormat::IntelWordHex);
    // Unknown numbers mean Intel hex; the number is read like the old assembler read it.
    EXPECT_EQ(format({"-g3", "-g9"}), ObjectFormat::IntelHex);
    EXPECT_EQ(format({"-g3", "-g"}), ObjectFormat::IntelHex);
    EXPECT_EQ(format({"-g3", "-g12"}), ObjectFormat::IntelHex);
    EXPECT_EQ(format({"-g02"}), ObjectFormat::MotorolaHex);
    // No notice any more: every format is written as asked.
    EXPECT_TRUE(ParseCommandLine({"-g1", "-g2", "-g4", "-m"}).notices.empty());
    // TASMOPTS comes after the command line, so it has the last word.
    Environment env;
    env.tasmOpts = "-g2";
    EXPECT_EQ(ObjectOf({"-b"}, env).substr(0, 2), "S1");
}

Diagnostic LabelNotFound()
{
    Diagnostic d;
    d.file = "t.asm";
    d.line = 7;
    d.message = "Label not found:";
    d.detail = "lab";
    d.hasDetail = true;
    return d;
}

TEST(TasmErrorFormat, LaysOutTheFourValuesInOrder)
{
    const Diagnostic d = LabelNotFound();
    EXPECT_EQ(FormatDiagnostic(d), "t.asm line 0007: Label not found: (lab)");
    EXPECT_EQ(FormatDiagnostic(d, "%s(%d): %s %s"), "t.asm(7): Label not found: (lab)");
    EXPECT_EQ(FormatDiagnostic(d, "%s:%04d:%s%s"), "t.asm:0007:Label not found:(lab)");
    EXPECT_EQ(FormatDiagnostic(d, "[%8s|%-3d|%.5s]"), "[   t.asm|7  |Label]");
    EXPECT_EQ(FormatDiagnostic(d, "%s line %d\\n  %s %s"),
              "t.asm line 7\n  Label not found: (lab)");
    // Each value keeps its natural text whatever conversion asks for it.
    EXPECT_EQ(FormatDiagnostic(d, "%d/%3s/%+d"), "t.asm/  7/Label not found:");
    EXPECT_EQ(FormatDiagnostic(d, "100%% %s \\x"), "100% t.asm \\x");
    // No detail: the detail is empty rather than "()".
    Diagnostic noEnd;
    noEnd.line = 12345;
    noEnd.message = "No END directive before EOF.";
    EXPECT_EQ(FormatDiagnostic(noEnd, "[%s]%04d:%s[%s]"), "[]12345:No END directive before EOF.[]");
}

TEST(TasmErrorFormat, AnythingElseFallsBackToTheDefaultLine)
{
    const Diagnostic d = LabelNotFound();
    const std::string standard = FormatDiagnostic(d);
    for (const char *hostile : {"%n%s%s%s%s%s", "%p", "%s%s%s%s%s", "%x", "%ld", "%*d", "%s %",
                                "%999999999d", "%.999999s"}) {
        EXPECT_EQ(FormatDiagnostic(d, hostile), standard) << hostile;
    }
}

TEST(TasmErrorFormat, ReachesConsoleAndListing)
{
    MemoryFileSystem fs;
    fs.files["t.asm"] = " .org 0\n .db lab\n .end\n";
    Environment env;
    env.tasmErrFormat = "%s(%d) %s";
    std::string console;
    EXPECT_EQ(RunTasm({"-80", "t.asm"}, env, fs, console), 1);
    EXPECT_NE(console.find("\nt.asm(2) Label not found:\n"), std::string::npos) << console;
    EXPECT_NE(fs.files["t.lst"].find("t.asm(2) Label not found:\n"), std::string::npos);
}

} // namespace
