// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/FunctionVariable.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;
using varfile::CalcModel;

TEST(FunctionVariable, NamesAndCodesOfBothModels)
{
    EXPECT_EQ(FunctionNameCount(CalcModel::TI82), 30);
    EXPECT_EQ(FunctionNameCount(CalcModel::TI83), 31);
    const std::tuple<CalcModel, int, const char *, std::uint8_t> names[] = {
        {CalcModel::TI83, 0, "Y1", 0x10},   {CalcModel::TI83, 9, "Y0", 0x19},
        {CalcModel::TI83, 10, "X1T", 0x20}, {CalcModel::TI83, 21, "Y6T", 0x2B},
        {CalcModel::TI83, 22, "r1", 0x40},  {CalcModel::TI83, 27, "r6", 0x45},
        {CalcModel::TI83, 28, "u", 0x80},   {CalcModel::TI83, 30, "w", 0x82},
        {CalcModel::TI82, 28, "Un", 0x80},  {CalcModel::TI82, 29, "Vn", 0x81},
    };
    for (const auto &[model, index, label, code] : names) {
        EXPECT_EQ(FunctionNameLabel(model, index), label);
        EXPECT_EQ(FunctionNameCode(index), code) << label;
        EXPECT_EQ(FunctionIndexFromCode(model, code), index) << label;
    }
    // Codes that name no equation of the model open as Y1.
    for (std::uint8_t code : {0x00, 0x1A, 0x30, 0x46, 0x8F}) {
        EXPECT_EQ(FunctionIndexFromCode(CalcModel::TI83, code), 0) << int(code);
    }
    EXPECT_EQ(FunctionIndexFromCode(CalcModel::TI82, 0x82), 0);
}

TEST(FunctionVariable, EquationRoundTripsInTheFilesModel)
{
    FunctionVariable function{CalcModel::TI82, 9, "sin X"};
    const auto build = BuildFunctionFile(function);
    ASSERT_TRUE(build.ok());
    const Bytes &file = build.file;
    EXPECT_EQ(file[59], 0x03);
    EXPECT_EQ(file[60], 0x5E);
    EXPECT_EQ(file[61], 0x19);
    // On the TI-82 "sin " (space included) is the one token C2.
    EXPECT_EQ(Bytes(file.begin() + 70, file.end() - 2), (Bytes{2, 0, 0xC2, 0x58}));

    const LoadedFunction loaded = LoadFunctionFile(file);
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.variable.model, CalcModel::TI82);
    EXPECT_EQ(loaded.variable.nameIndex, 9);
    EXPECT_EQ(loaded.variable.text, "sin X");
    EXPECT_EQ(loaded.tokens, (Bytes{0xC2, 0x58}));
}

TEST(FunctionVariable, EmptyAndInvalidEquations)
{
    const auto empty = BuildFunctionFile({CalcModel::TI83, 22, ""});
    ASSERT_TRUE(empty.ok());
    EXPECT_EQ(empty.file.size(), 74u);
    EXPECT_EQ(empty.file[61], 0x40);
    EXPECT_EQ(empty.file[70], 0);

    // "#" starts no token.
    const auto invalid = BuildFunctionFile({CalcModel::TI83, 0, "X+#"});
    EXPECT_EQ(invalid.error, kInvalidTokenFound);
    EXPECT_EQ(invalid.failedAt, 3u);
    EXPECT_TRUE(invalid.file.empty());
    EXPECT_FALSE(FunctionFileFromTokens(CalcModel::TI82, 30, {}).ok());
}

} // namespace
} // namespace vexil::vardata
