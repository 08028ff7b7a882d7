// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/VarNames.h"
#include "varfile/VarTypes.h"

#include <gtest/gtest.h>

namespace vexil::varfile {
namespace {

VarName Name(std::initializer_list<std::uint8_t> bytes)
{
    VarName name{};
    std::copy(bytes.begin(), bytes.end(), name.begin());
    return name;
}

TEST(VarTypes, IdsMeanDifferentThingsPerModel)
{
    EXPECT_EQ(KindOfTypeId(CalcModel::TI82, 0x0D), VarKind::TableSetup);
    EXPECT_EQ(KindOfTypeId(CalcModel::TI83, 0x0D), VarKind::ComplexList);
    EXPECT_EQ(KindOfTypeId(CalcModel::TI82, 0x0C), VarKind::SavedZoom);
    EXPECT_EQ(KindOfTypeId(CalcModel::TI83, 0x0C), VarKind::Complex);
    EXPECT_EQ(KindOfTypeId(CalcModel::TI82, 0x0F), VarKind::Backup);
    EXPECT_EQ(KindOfTypeId(CalcModel::TI83, 0x0F), VarKind::WindowSettings);
    // Ids without a meaning on a model.
    EXPECT_FALSE(KindOfTypeId(CalcModel::TI82, 0x04));
    EXPECT_FALSE(KindOfTypeId(CalcModel::TI83, 0x0E));
    EXPECT_FALSE(KindOfTypeId(CalcModel::TI82, 0x09));
    EXPECT_FALSE(KindOfTypeId(CalcModel::TI83, 0x14));

    EXPECT_EQ(TypeIdOf(CalcModel::TI83, VarKind::Backup), 0x13);
    EXPECT_EQ(TypeIdOf(CalcModel::TI82, VarKind::WindowSettings), 0x0B);
    EXPECT_FALSE(TypeIdOf(CalcModel::TI82, VarKind::String));
}

TEST(VarTypes, Extensions)
{
    EXPECT_EQ(VarFileExtension(CalcModel::TI82, 0x00), ".82n");
    EXPECT_EQ(VarFileExtension(CalcModel::TI83, 0x0D), ".83l");
    EXPECT_EQ(VarFileExtension(CalcModel::TI83, 0x06), ".83p");
    EXPECT_EQ(VarFileExtension(CalcModel::TI82, 0x0D), ".82t");
    EXPECT_EQ(VarFileExtension(CalcModel::TI83, 0x13), ".83b");
    EXPECT_EQ(VarFileExtension(CalcModel::TI82, 0x0E), ".82_");
    EXPECT_EQ(VarFileExtension(CalcModel::TI82, 0x04), ".82_");
    EXPECT_EQ(VarFileExtension(CalcModel::TI83, 0xFF), ".83_");
    EXPECT_EQ(GroupFileExtension(CalcModel::TI83), ".83g");
}

TEST(VarNames, Encodings)
{
    EXPECT_EQ(*LetterVarName('@'), Name({0x5B}));
    EXPECT_FALSE(LetterVarName('a'));
    EXPECT_EQ(*ListVarName(6), Name({0x5D, 0x05}));
    EXPECT_FALSE(ListVarName(7));
    EXPECT_EQ(*UserListVarName("AB@1"), Name({0x5D, 'A', 'B', 0x5B, '1'}));
    EXPECT_FALSE(UserListVarName("1AB"));
    EXPECT_FALSE(UserListVarName("ABCDEF"));
    EXPECT_EQ(*MatrixVarName('J'), Name({0x5C, 0x09}));
    EXPECT_EQ(*StringVarName(0), Name({0xAA, 0x09}));
    EXPECT_EQ(*StringVarName(1), Name({0xAA, 0x00}));
    EXPECT_EQ(*PictureVarName(3), Name({0x60, 0x02}));
    EXPECT_EQ(SettingsVarName(CalcModel::TI82), Name({0x5E, 0x81}));
    EXPECT_EQ(SettingsVarName(CalcModel::TI83), Name({0xFE, 0x82}));
    // Theta is typed as "@"; a name longer than the field is cut.
    EXPECT_EQ(ProgramVarName("A@B"), Name({0x41, 0x5B, 0x42}));
    EXPECT_EQ(ProgramVarName("ABCDEFGHIJ"), Name({'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
}

TEST(VarNames, DisplayedAsTheCalculatorShowsThem)
{
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x00, Name({0x5B})), "@");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x0C, Name({0x43})), "C");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x01, Name({0x5D, 0x02})), "L3");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x01, Name({0x5D, 'A', 'B'})), "AB");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x02, Name({0x5C, 0x04})), "[E]");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x03, Name({0x5E, 0x19})), "Y0");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x03, Name({0x5E, 0x23})), "Y2T");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x03, Name({0x5E, 0x45})), "r6");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x03, Name({0x5E, 0x81})), "Vn");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x03, Name({0x5E, 0x82})), "w");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x04, Name({0xAA, 0x09})), "Str0");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x07, Name({0x60, 0x09})), "Pic0");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x08, Name({0x61, 0x00})), "GDB1");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x06, Name({'P', 0x5B, 0x01})), "P@{01}");
    EXPECT_EQ(DisplayVarName(CalcModel::TI82, 0x0C, SettingsVarName(CalcModel::TI82)), "RclWindow");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x11, SettingsVarName(CalcModel::TI83)), "TblSet");
    EXPECT_EQ(DisplayVarName(CalcModel::TI83, 0x0E, Name({'X'})), "Unknown");
}

} // namespace
} // namespace vexil::varfile
