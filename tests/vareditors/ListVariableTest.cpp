// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ListVariable.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;
using varfile::CalcModel;

TEST(ListVariable, RealListLayoutAndRoundTrip)
{
    ListVariable list;
    list.model = CalcModel::TI82;
    list.name = "L3";
    list.elements = {{5.0, 0.0}, {-1.0, 0.0}};
    auto build = BuildListFile(list);
    ASSERT_TRUE(build.error.empty());
    const Bytes &file = build.file;
    ASSERT_EQ(file.size(), 72u + 2 + 2 * 9);
    EXPECT_EQ(file[5], '2');
    EXPECT_EQ(file[59], 0x01);
    EXPECT_EQ(file[60], 0x5D);
    EXPECT_EQ(file[61], 0x02);
    EXPECT_EQ(file[70], 2);
    EXPECT_EQ(file[71], 0);
    // -1 is 80 80 10 00 ...
    EXPECT_EQ(file[81], 0x80);
    EXPECT_EQ(file[82], 0x80);
    EXPECT_EQ(file[83], 0x10);

    auto loaded = LoadListFile(file);
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.variable.model, CalcModel::TI82);
    EXPECT_FALSE(loaded.variable.complex);
    EXPECT_EQ(loaded.variable.name, "L3");
    EXPECT_EQ(loaded.variable.elements, list.elements);
}

TEST(ListVariable, EmptyListIsACountOfZero)
{
    ListVariable list;
    auto build = BuildListFile(list);
    ASSERT_TRUE(build.error.empty());
    EXPECT_EQ(build.file.size(), 74u);
    EXPECT_EQ(build.file[57], 2);
    auto loaded = LoadListFile(build.file);
    EXPECT_TRUE(loaded.complete);
    EXPECT_TRUE(loaded.variable.elements.empty());
}

TEST(ListVariable, ComplexListKeepsBothPartsWithRealKind)
{
    ListVariable list;
    list.complex = true;
    list.name = "AB@";
    list.elements = {{1.0, 2.0}, {0.0, -1.5}};
    auto build = BuildListFile(list);
    ASSERT_TRUE(build.error.empty());
    EXPECT_EQ(build.file[59], 0x0D);
    // The halves of list elements carry kind 00, not the complex editor's 0C.
    EXPECT_EQ(build.file[72], 0x00);
    EXPECT_EQ(build.file[81], 0x00);
    EXPECT_EQ(build.file[99], 0x80);
    EXPECT_EQ(build.file[61], 'A');
    EXPECT_EQ(build.file[63], 0x5B);

    auto loaded = LoadListFile(build.file);
    EXPECT_TRUE(loaded.complete);
    EXPECT_TRUE(loaded.variable.complex);
    EXPECT_EQ(loaded.variable.name, "AB@");
    EXPECT_EQ(loaded.variable.elements, list.elements);

    // The TI-82 has no complex lists: 0D would be read back as a table setup.
    list.model = CalcModel::TI82;
    EXPECT_EQ(BuildListFile(list).file[59], 0x01);
}

TEST(ListVariable, NamesFromStoredBytes)
{
    // A second byte below 6 is one of L1..L6.
    EXPECT_EQ(ListNameFromBytes({0x5D, 0x05, 0, 0, 0, 0, 0, 0}), "L6");
    // Otherwise that byte and the following non-zero bytes, at most five.
    EXPECT_EQ(ListNameFromBytes({0x5D, 'A', 'B', 0, 'C', 0, 0, 0}), "AB");
    EXPECT_EQ(ListNameFromBytes({0x5D, 'A', 'B', 'C', 'D', 'E', 'F', 0}), "ABCDE");
    // Names the editor cannot store.
    EXPECT_FALSE(ListNameBytes(""));
    EXPECT_FALSE(ListNameBytes("TOOLNG"));
}

TEST(ListVariable, DamagedFilesKeepWhatWasRead)
{
    ListVariable list;
    list.elements = {{1.0, 0.0}, {2.0, 0.0}, {3.0, 0.0}};
    Bytes file = BuildListFile(list).file;

    // Ends inside the third element.
    Bytes cut(file.begin(), file.begin() + 72 + 2 * 9 + 4);
    auto loaded = LoadListFile(cut);
    EXPECT_FALSE(loaded.complete);
    ASSERT_EQ(loaded.variable.elements.size(), 2u);
    EXPECT_EQ(loaded.variable.elements[1].re, 2.0);

    // Ends before the count.
    Bytes header(file.begin(), file.begin() + 65);
    EXPECT_FALSE(LoadListFile(header).complete);
    EXPECT_FALSE(LoadListFile({}).complete);

    // A digit above 9 in the second element.
    Bytes badDigit = file;
    badDigit[72 + 9 + 3] = 0x1A;
    loaded = LoadListFile(badDigit);
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.variable.elements.size(), 1u);
}

TEST(ListVariable, CountBeyondTheEditorsLimitIsDamage)
{
    ListVariable list;
    list.elements.assign(kMaxListElements, ListElement{7.0, 0.0});
    Bytes file = BuildListFile(list).file;
    // Claim 1000 elements and supply the thousandth.
    file[70] = 0xE8;
    file[71] = 0x03;
    file.insert(file.end() - 2, file.begin() + 72, file.begin() + 81);
    auto loaded = LoadListFile(file);
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.variable.elements.size(), kMaxListElements);

    list.elements.push_back({});
    EXPECT_FALSE(BuildListFile(list).error.empty());
}

TEST(ListVariable, ValuesTheEncodingCannotHoldAreRefused)
{
    // A complex entry has no range check, so a part of 1E100 can reach the builder.
    ListVariable list;
    list.complex = true;
    list.elements = {{1.0, 1e100}};
    auto build = BuildListFile(list);
    EXPECT_FALSE(build.error.empty());
    EXPECT_TRUE(build.file.empty());
}

} // namespace
} // namespace vexil::vardata
