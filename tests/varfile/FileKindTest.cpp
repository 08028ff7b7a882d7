// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/FileKind.h"

#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vexil::varfile {
namespace {

Bytes FileOf(CalcModel model, const std::vector<VarEntry> &entries)
{
    return *BuildVarFile(model, MakeComment("x"), entries);
}

TEST(FileKind, FamiliesByTheirSignatures)
{
    Bytes matrix = FileOf(CalcModel::TI82, {{0x02, *MatrixVarName('A'), Bytes{1, 1}}});
    EXPECT_EQ(FamilyOfFile(matrix), FileFamily::TI82);
    std::copy_n("**TI83**", 8, matrix.begin());
    EXPECT_EQ(FamilyOfFile(matrix), FileFamily::TI83);
    std::copy_n("**TI83F*", 8, matrix.begin());
    EXPECT_EQ(FamilyOfFile(matrix), FileFamily::TI83Plus);
    std::copy_n("**TI86**", 8, matrix.begin());
    EXPECT_EQ(FamilyOfFile(matrix), FileFamily::OtherCalculator);
    // A damaged signature on an otherwise whole file: ours, by the sixth byte.
    std::copy_n("**TI84**", 8, matrix.begin());
    EXPECT_EQ(FamilyOfFile(matrix), FileFamily::TI83);

    EXPECT_EQ(FamilyOfFile({}), FileFamily::NotCalculator);
    EXPECT_EQ(FamilyOfFile(Bytes(200, 0x2A)), FileFamily::NotCalculator);
    EXPECT_STREQ(FamilyDescription(FileFamily::NotCalculator), "not a TI-82 or TI-83 file");
    EXPECT_EQ(ForeignFileMessage(FileFamily::TI83Plus),
              "This is a TI-83 Plus file; Vexil works with TI-82 and TI-83 files only.");
    EXPECT_TRUE(ForeignFileMessage(FileFamily::TI82).empty());
}

TEST(FileKind, KindsFromTheContentsBeforeTheExtension)
{
    const auto kind = [](const Bytes &file, std::string_view extension) {
        const std::optional<CalculatorFileKind> found = KindOfCalculatorFile(file, extension);
        return found ? found->phrase + " " + found->extension : std::string("none");
    };
    const Bytes settings = FileOf(CalcModel::TI83, {{0x0F, SettingsVarName(CalcModel::TI83), {}}});
    EXPECT_EQ(kind(settings, "txt"), "a TI-83 window settings .83w");
    const Bytes equation = FileOf(CalcModel::TI82, {{0x03, VarName{0x5E, 0x10}, {0, 0}}});
    EXPECT_EQ(kind(equation, "82y"), "a TI-82 Y-variable .82y");
    const Bytes group = FileOf(CalcModel::TI83, {{0x00, *LetterVarName('A'), Bytes(9, 0)},
                                                 {0x00, *LetterVarName('B'), Bytes(9, 0)}});
    EXPECT_EQ(kind(group, "83g"), "a TI-83 group of 2 variables .83g");
    const Bytes unknown = FileOf(CalcModel::TI83, {{0x0E, *LetterVarName('A'), {}}});
    EXPECT_EQ(kind(unknown, "83_"), "a TI-83 variable of type 0E ");

    // Without a signature only the extension speaks.
    EXPECT_EQ(kind({}, "83M"), "a TI-83 matrix .83m");
    EXPECT_EQ(kind({}, "82g"), "a TI-82 group .82g");
    EXPECT_EQ(kind({}, "82b"), "a TI-82 backup .82b");
    EXPECT_EQ(kind({}, "83q"), "a TI-83 variable file ");
    EXPECT_EQ(kind({}, "8xp"), "none");
    EXPECT_EQ(kind(Bytes(80, 0x41), "asm"), "none");
}

} // namespace
} // namespace vexil::varfile
