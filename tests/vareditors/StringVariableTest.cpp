// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/StringVariable.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;

TEST(StringVariable, TokensAndNameRoundTrip)
{
    StringVariable string;
    string.nameIndex = 9;
    string.text = "Disp \"HI\"\r\n1\xFC"
                  "A";
    auto build = BuildStringFile(string);
    ASSERT_TRUE(build.ok());
    const Bytes &file = build.file;
    EXPECT_EQ(file[59], 0x04);
    EXPECT_EQ(file[60], 0xAA);
    EXPECT_EQ(file[61], 0x09);
    // Disp " H I " line-break 1 store A
    const Bytes tokens{0xDE, 0x2A, 0x48, 0x49, 0x2A, 0x3F, 0x31, 0x04, 0x41};
    ASSERT_EQ(file.size(), 74u + tokens.size());
    EXPECT_EQ(file[70], tokens.size());
    EXPECT_EQ(Bytes(file.begin() + 72, file.end() - 2), tokens);
    EXPECT_EQ(StringVarLabel(9), "Str0");

    auto loaded = LoadStringFile(file);
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.variable.nameIndex, 9);
    EXPECT_EQ(loaded.variable.text, string.text);
}

TEST(StringVariable, EmptyAndInvalidTexts)
{
    StringVariable string;
    auto empty = BuildStringFile(string);
    ASSERT_TRUE(empty.ok());
    EXPECT_EQ(empty.file.size(), 74u);
    EXPECT_EQ(empty.file[57], 2);
    EXPECT_EQ(empty.file[70], 0);

    // Lower-case "q" is no TI-83 token.
    string.text = "AB q";
    auto invalid = BuildStringFile(string);
    EXPECT_FALSE(invalid.ok());
    EXPECT_EQ(invalid.error, kInvalidTokenFound);
    EXPECT_EQ(invalid.failedAt, 4u);
    EXPECT_TRUE(invalid.file.empty());
}

TEST(StringVariable, DamagedFiles)
{
    // Too short for the name.
    EXPECT_FALSE(LoadStringFile(Bytes(61, 0)).complete);
    // The name is there, the token length and checksum are not.
    Bytes file(72, 0);
    file[61] = 3;
    auto loaded = LoadStringFile(file);
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.variable.nameIndex, 3);
    // A name byte beyond Str0 falls back to Str1.
    file[61] = 0x20;
    EXPECT_EQ(LoadStringFile(file).variable.nameIndex, 0);
}

} // namespace
} // namespace vexil::vardata
