// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/AutoCodeFile.h"
#include "editor/autocode/HeaderTemplates.h"
#include "editor/newfile/NewFileCatalog.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace vexil::editor;
using vexil::assemble::ShellTarget;

namespace {

std::vector<std::uint8_t> Bytes(std::string_view text)
{
    return {text.begin(), text.end()};
}

std::size_t CountLines(std::string_view text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(AutoCodeFile, MultiLineEntriesTakeOneLineEach)
{
    // Clear with two lines of code: one file line, the break stored as byte 87.
    const std::vector<std::string> entries = {"Clear|ld a,0\r\nret", "Nop|nop"};
    const auto file = EncodeAutoCodeFile(entries);
    EXPECT_EQ(file, Bytes("Clear|ld a,0\x87ret\r\nNop|nop\r\n"));
    EXPECT_EQ(DecodeAutoCodeFile(file).entries, entries);

    // Breaks typed or pasted as lone LF or CR are stored the same way, never as a
    // second line that would read back as an entry of its own.
    EXPECT_EQ(EncodeAutoCodeFile({"A|x\ny\rz"}), Bytes("A|x\x87y\x87z\r\n"));

    // No entries, no lines.
    EXPECT_TRUE(EncodeAutoCodeFile({}).empty());
    EXPECT_TRUE(DecodeAutoCodeFile({}).entries.empty());
}

TEST(AutoCodeFile, ReadsEightBitAndUtf8Files)
{
    // An 8-bit file: 0xE9 is é, every byte 87 is a break; LF-only line ends and blank
    // lines are tolerated.
    EXPECT_EQ(DecodeAutoCodeFile(Bytes("Caf\xE9|ld a,1\x87ret\n\nB|x")).entries,
              (std::vector<std::string>{"Caf\xC3\xA9|ld a,1\r\nret", "B|x"}));

    // A Latin-1 letter right before a break would make a UTF-8 character with it
    // (ß DF and Ã C3 followed by 87 are valid UTF-8): the break stays a break, and the
    // file is written back byte for byte.
    const auto eightBit = Bytes("A|; Fu\xDF\x87ret\r\nB|; \xC3\x87x\r\n");
    const AutoCodeFileContents read = DecodeAutoCodeFile(eightBit);
    EXPECT_EQ(read.encoding, AutoCodeEncoding::Latin1);
    EXPECT_EQ(read.entries,
              (std::vector<std::string>{"A|; Fu\xC3\x9F\r\nret", "B|; \xC3\x83\r\nx"}));
    EXPECT_EQ(EncodeAutoCodeFile(read.entries, read.encoding), eightBit);
    // A character Latin-1 has no byte for moves the library to UTF-8 rather than lose it.
    EXPECT_EQ(EncodeAutoCodeFile({"\xE2\x86\x92|x"}, AutoCodeEncoding::Latin1),
              Bytes("\xE2\x86\x92|x\r\n"));

    // UTF-8 stays UTF-8; where a character holds byte 87 (Ç is C3 87) the file carries
    // the byte order mark, and only there does byte 87 continue a character.
    EXPECT_EQ(DecodeAutoCodeFile(Bytes("\xE2\x86\x92|x\x87y")).encoding, AutoCodeEncoding::Utf8);
    const std::vector<std::string> entries = {"\xC3\x87|; \xC3\x87\r\nret"};
    const auto file = EncodeAutoCodeFile(entries);
    EXPECT_EQ(file, Bytes("\xEF\xBB\xBF\xC3\x87|; \xC3\x87\x87ret\r\n"));
    EXPECT_EQ(DecodeAutoCodeFile(file).entries, entries);
    EXPECT_EQ(DecodeAutoCodeFile(file).encoding, AutoCodeEncoding::Utf8WithMark);

    // A truncated UTF-8 sequence at the very end is read as 8-bit text, not past the end.
    EXPECT_EQ(DecodeAutoCodeFile(Bytes("A|\xC3")).entries,
              (std::vector<std::string>{"A|\xC3\x83"}));
}

TEST(AutoCodeFile, NameCodeAndNameChecks)
{
    // Only the first "|" separates name and code.
    EXPECT_EQ(AutoCodeName("Or|or a|b"), "Or");
    EXPECT_EQ(AutoCodeCode("Or|or a|b"), "or a|b");
    EXPECT_EQ(AutoCodeCode("NoBar"), "");
    EXPECT_EQ(MakeAutoCodeEntry("Or", "or a|b"), "Or|or a|b");

    const std::vector<std::string> entries = {"Clear|ld a,0", "Wait|halt"};
    EXPECT_EQ(CheckAutoCodeName(entries, "clear"), AutoCodeNameCheck::Duplicate);
    EXPECT_EQ(CheckAutoCodeName(entries, "a|b"), AutoCodeNameCheck::ContainsPipe);
    EXPECT_EQ(CheckAutoCodeName(entries, "Clear2"), AutoCodeNameCheck::Ok);
    // Renaming an entry to its own name in other case is not a clash with itself.
    EXPECT_EQ(CheckAutoCodeName(entries, "CLEAR", 0), AutoCodeNameCheck::Ok);
    EXPECT_EQ(CheckAutoCodeName(entries, "WAIT", 0), AutoCodeNameCheck::Duplicate);
}

TEST(HeaderTemplates, BuiltInDefaults)
{
    struct Expected {
        vexil::assemble::ShellTarget which;
        std::size_t lines;
        std::string_view first;
    };
    for (const auto &[which, lines, first] :
         {Expected{ShellTarget::Ash, 11, "; Ash 3.0 Program\r\n"},
          Expected{ShellTarget::CrASH, 9, "; CrASH 1.3 Program\r\n"},
          Expected{ShellTarget::TI83, 9, "; TI-83 Assembler Program\r\n"},
          Expected{ShellTarget::AShell83, 27, "; AShell83 1.0 Program\r\n"}}) {
        const std::string_view text = DefaultHeaderText(which);
        EXPECT_EQ(CountLines(text), lines) << vexil::assemble::Describe(which).headerTemplate;
        EXPECT_TRUE(text.starts_with(first));
        EXPECT_TRUE(text.ends_with("\r\n.end\r\n"));
        EXPECT_NE(text.find("\r\n\t|\r\n"), std::string_view::npos);
    }
    EXPECT_NE(DefaultHeaderText(ShellTarget::AShell83).find("\t.dw\tprog_description\r\n"),
              std::string_view::npos);
}

TEST(HeaderTemplates, SeedFilesAreTheDefaults)
{
    // A new program directory is seeded with these files, so a first new source
    // already starts from its template.
    const std::filesystem::path data = std::filesystem::path(VEXIL_SOURCE_DIR) / "data";
    for (const vexil::assemble::ShellTarget which : vexil::assemble::kShellTargets) {
        EXPECT_EQ(ReadHeaderTemplate(data, which), std::string(DefaultHeaderText(which)))
            << vexil::assemble::Describe(which).headerTemplate;
    }
}

TEST(HeaderTemplates, CaretGoesWhereTheFirstBarStood)
{
    const TextWithCaret start = PlaceTemplateCaret("start:|");
    EXPECT_EQ(start.text, "start:");
    EXPECT_EQ(start.caret, 6u);

    // Without a bar: the caret at the end.
    const TextWithCaret none = PlaceTemplateCaret("a\r\nb");
    EXPECT_EQ(none.caret, none.text.size());

    // Only the first bar is the marker; lone LF line ends count as two characters.
    const TextWithCaret two = PlaceTemplateCaret("x\n\t|y|z");
    EXPECT_EQ(two.text, "x\r\n\ty|z");
    EXPECT_EQ(two.caret, 4u);
}

TEST(HeaderTemplates, ReadAndWriteFiles)
{
    const vexil::testing::ScratchFolder scratch;
    const auto &dir = scratch.path();
    EXPECT_FALSE(ReadHeaderTemplate(dir, ShellTarget::TI83).has_value());
    EXPECT_EQ(WriteHeaderTemplate(dir, ShellTarget::TI83, "x|\r\n"), "");
    EXPECT_EQ(ReadHeaderTemplate(dir, ShellTarget::TI83), "x|\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "TI83.hdr"));
    // A folder in the template's place is unreadable, not an empty template.
    std::filesystem::create_directory(dir / "Ash30.hdr");
    EXPECT_FALSE(ReadHeaderTemplate(dir, ShellTarget::Ash).has_value());
}

TEST(NewFileCatalog, PagesSuffixesAndCounter)
{
    EXPECT_EQ(NewPageEntries().size(), 5u);
    EXPECT_EQ(VariableEntries(true).size(), 10u);
    EXPECT_EQ(VariableEntries(false).size(), 12u);
    // Complex and String exist only for the TI-83.
    for (const VariableEntry &entry : VariableEntries(true)) {
        EXPECT_NE(entry.letter, 'c');
        EXPECT_NE(entry.letter, 's');
    }
    const VariableEntry &table = VariableEntries(true)[7];
    EXPECT_EQ(table.caption, "Table Settings");
    EXPECT_EQ(VariableTitleSuffix(table, true), " [TI-82 Table Setup]");
    EXPECT_EQ(VariableExtension(table, true), "82t");
    const VariableEntry &gdb = VariableEntries(false)[10];
    EXPECT_EQ(VariableTitleSuffix(gdb, false), " [TI-83 GDB]");
    EXPECT_EQ(VariableExtension(gdb, false), "83d");

    UntitledCounter counter;
    EXPECT_EQ(counter.nextCaption(), "Untitled1");
    EXPECT_EQ(counter.nextNumber(), 2);
    EXPECT_EQ(counter.nextCaption(" [TI-83 List]"), "Untitled3 [TI-83 List]");
}
