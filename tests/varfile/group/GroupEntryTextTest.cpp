// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/GroupEntryText.h"

#include "GroupTestFiles.h"

#include <gtest/gtest.h>

namespace vexil::group {
namespace {

using namespace test;
namespace fs = std::filesystem;

struct Line {
    CalcModel model;
    std::uint8_t typeId;
    VarName name;
    const char *type;
    const char *plain;
    const char *font; // the Keyboard Font text
    const char *file;
};

const CalcModel k82 = CalcModel::TI82;
const CalcModel k83 = CalcModel::TI83;

TEST(GroupEntryText, EveryKindOnBothModels)
{
    const std::vector<Line> lines = {
        {k82, 0x00, Name({'A'}), "REAL", "A", "A", "RealA.82n"},
        {k82, 0x00, Name({0x5B}), "REAL", "θ", "\xC1", "RealTHET.82n"},
        {k83, 0x00, Name({0x5B}), "REAL", "θ", "\xC1", "Real@.83n"},
        {k83, 0x0C, Name({0x5B}), "CPLX", "θ", "\xC1", "Cplx@.83c"},
        {k82, 0x01, Name({0x5D, 0x00}), "LIST", "L1", "L\x81", "L1.82l"},
        {k83, 0x0D, Name({0x5D, 0x05}), "LIST", "L6", "L\x86", "L6.83l"},
        {k83, 0x01, Name({0x5D, 'A', 'B', 0x5B}), "LIST", "LABθ", "LAB\xC1", "LAB@.83l"},
        {k82, 0x02, Name({0x5C, 0x01}), "MATRX", "[B]", "[B]", "MtrxB.82m"},
        {k83, 0x03, Name({0x5E, 0x10}), "EQU", "Y1", "Y\x81", "Y1.83y"},
        {k83, 0x03, Name({0x5E, 0x19}), "EQU", "Y0", "Y\x80", "Y0.83y"},
        {k82, 0x03, Name({0x5E, 0x20}), "EQU", "X1t", "X\x81\xD4", "X1t.82y"},
        {k82, 0x03, Name({0x5E, 0x2B}), "EQU", "Y6t", "Y\x86\xD4", "Y6t.82y"},
        {k83, 0x03, Name({0x5E, 0x45}), "EQU", "r6", "r\x86", "r6.83y"},
        {k82, 0x03, Name({0x5E, 0x81}), "EQU", "Vn", "V\xD6", "Vn.82y"},
        {k83, 0x03, Name({0x5E, 0x82}), "EQU", "w", "w", "wn.83y"},
        {k83, 0x03, Name({0x5E, 0x77}), "EQU", "Unknown", "Unknown", "Unknown.83y"},
        {k83, 0x04, Name({0xAA, 0x09}), "STRNG", "Str0", "Str0", "Str0.83s"},
        {k83, 0x04, Name({0xAA, 0x00}), "STRNG", "Str1", "Str1", "Str1.83s"},
        {k82, 0x05, Name({'P', 'R', 0x5B, 'G'}), "PRGM", "PRθG", "PR\xC1G", "PR@G.82p"},
        {k83, 0x06, Name({'L', 'O', 'C', 'K'}), "PRGM", "LOCK", "LOCK", "LOCK.83p"},
        {k83, 0x07, Name({0x60, 0x09}), "PIC", "Pic0", "Pic0", "Pic0.83i"},
        {k82, 0x08, Name({0x61, 0x09}), "GDB", "GDB0", "GDB0", "GDB0.82d"},
        {k82, 0x0B, Name({0x5E, 0x81}), "WINDW", "Window", "Window", "Window.82w"},
        {k83, 0x0F, Name({0xFE, 0x82}), "WINDW", "Window", "Window", "Window.83w"},
        {k82, 0x0C, Name({0x5E, 0x81}), "ZSTO", "RclWindow", "RclWindow", "ZSto.82z"},
        {k83, 0x10, Name({0xFE, 0x82}), "ZSTO", "RclWindow", "RclWindow", "ZSto.83z"},
        {k82, 0x0D, Name({0x5E, 0x81}), "TABLE", "TblSet", "TblSet", "TblSet.82t"},
        {k83, 0x11, Name({0xFE, 0x82}), "TABLE", "TblSet", "TblSet", "TblSet.83t"},
        {k82, 0x04, Name({0xAA, 0x00}), "?", "Unknown", "Unknown", "Unknown.82_"},
        {k82, 0x0F, Name({}), "?", "Unknown", "Unknown", "Unknown.82_"},
        {k83, 0x12, Name({}), "?", "Unknown", "Unknown", "Unknown.83_"},
        {k83, 0x99, Name({}), "?", "Unknown", "Unknown", "Unknown.83_"},
    };
    for (const Line &line : lines) {
        const EntrySummary entry{line.typeId, line.name};
        SCOPED_TRACE(line.file);
        EXPECT_EQ(TypeText(line.model, line.typeId), line.type);
        EXPECT_EQ(ShownName(line.model, entry, NameGlyphs::Plain), line.plain);
        EXPECT_EQ(ShownName(line.model, entry, NameGlyphs::KeyboardFont), line.font);
        EXPECT_EQ(ExtractFileName(line.model, entry), line.file);
    }
}

TEST(GroupEntryText, NameBytesWithoutACharacterShowAsHex)
{
    const EntrySummary program{0x05, Name({'A', '\t', 'B', 0x0A, 0xD8})};
    EXPECT_EQ(ShownName(k83, program, NameGlyphs::Plain), "A{09}B{0A}{D8}");
    EXPECT_EQ(ShownName(k83, program, NameGlyphs::KeyboardFont), "A{09}B{0A}\xD8");
}

TEST(GroupEntryText, ExtractedNamesStayInTheFolderAndVisible)
{
    const fs::path folder = "/tmp/out";
    const struct {
        VarName name;
        const char *file;
    } programs[] = {
        {Name({'.', '.', '/', 'X'}), "___X.83p"},
        {Name({'/', 'E', 'T', 'C'}), "_ETC.83p"},
        {Name({'.', 'H', 'I', 'D', 'E'}), "_HIDE.83p"},
        {Name({'A', 0x01, 0x7F, 0x80, '\\'}), "A____.83p"},
        {Name({}), "_.83p"},
    };
    for (const auto &program : programs) {
        SCOPED_TRACE(program.file);
        const fs::path path = ExtractPath(folder, k83, Entry(0x05, program.name, {0x00, 0x00}));
        EXPECT_EQ(path, folder / program.file);
    }
    // A matrix letter past [J] is made safe too.
    EXPECT_EQ(ExtractPath(folder, k82, Entry(0x02, Name({0x5C, 0xEE}), {0x00, 0x00})),
              folder / "Mtrx_.82m");
    EXPECT_TRUE(ExtractPath(folder, k83, Bytes{0x0B, 0x00}).empty());
}

TEST(GroupEntryText, ExtractedFileHoldsTheOneElement)
{
    const Bytes element = Concat({RealA(), ProgramProg()});
    const std::optional<Bytes> file = ExtractedFile(k82, element);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, FileOf(k82, element, varfile::CommentWriter::GroupExtract));
    EXPECT_EQ(std::string(file->begin() + 11, file->begin() + 53),
              "File generated by Vexil Assembler.        ");
    Bytes damaged = element;
    damaged.pop_back();
    EXPECT_FALSE(ExtractedFile(k82, damaged));
}

} // namespace
} // namespace vexil::group
