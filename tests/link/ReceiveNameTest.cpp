// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ReceiveName.h"

#include <gtest/gtest.h>

using namespace vexil::link;

namespace {

// A header packet from `id` with the type and the first two name bytes.
std::string NameFor(uint8_t id, uint8_t type, uint8_t n0, uint8_t n1 = 0,
                    std::initializer_list<uint8_t> more = {})
{
    std::vector<uint8_t> h{id, 0x06, 0x0B, 0x00, 0x00, 0x00, type, n0, n1, 0, 0, 0, 0, 0, 0, 0, 0};
    size_t i = 9;
    for (uint8_t b : more) {
        h[i++] = b;
    }
    return MakeReceiveName(h, "/recv");
}

} // namespace

TEST(ReceiveName, Ti82Names)
{
    EXPECT_EQ(NameFor(0x82, 0x00, 'A'), "/recv/RealA.82n");
    EXPECT_EQ(NameFor(0x82, 0x00, 0x5B), "/recv/RealTHET.82n");
    EXPECT_EQ(NameFor(0x82, 0x01, 0x5D, 0x02), "/recv/L3.82l");
    EXPECT_EQ(NameFor(0x82, 0x02, 0x5C, 0x04), "/recv/MtrxE.82m");
    // Equations: Y1..Y9, Y0, parametric pairs, polar, sequences; others unnamed.
    EXPECT_EQ(NameFor(0x82, 0x03, 0x5E, 0x10), "/recv/Y1.82y");
    EXPECT_EQ(NameFor(0x82, 0x03, 0x5E, 0x19), "/recv/Y0.82y");
    EXPECT_EQ(NameFor(0x82, 0x03, 0x5E, 0x20), "/recv/X1t.82y");
    EXPECT_EQ(NameFor(0x82, 0x03, 0x5E, 0x2B), "/recv/Y6t.82y");
    EXPECT_EQ(NameFor(0x82, 0x03, 0x5E, 0x45), "/recv/r6.82y");
    EXPECT_EQ(NameFor(0x82, 0x03, 0x5E, 0x81), "/recv/Vn.82y");
    EXPECT_EQ(NameFor(0x82, 0x03, 0x5E, 0x82), "");
    // Programs: every non-zero name byte, theta spelled out.
    EXPECT_EQ(NameFor(0x82, 0x05, 'A', 0x5B, {'Z'}), "/recv/ATHETZ.82p");
    EXPECT_EQ(NameFor(0x82, 0x06, 'P'), "/recv/P.82p");
    EXPECT_EQ(NameFor(0x82, 0x07, 0x60, 0x00), "/recv/Pic1.82i");
    EXPECT_EQ(NameFor(0x82, 0x08, 0x61, 0x05), "/recv/GDB6.82d");
    // The tenth of each is numbered 0, as the calculator shows it.
    EXPECT_EQ(NameFor(0x82, 0x07, 0x60, 0x09), "/recv/Pic0.82i");
    EXPECT_EQ(NameFor(0x82, 0x08, 0x61, 0x09), "/recv/GDB0.82d");
    EXPECT_EQ(NameFor(0x82, 0x0B, 0), "/recv/Window.82w");
    EXPECT_EQ(NameFor(0x82, 0x0C, 0), "/recv/ZSto.82z");
    EXPECT_EQ(NameFor(0x82, 0x0D, 0), "/recv/TblSet.82t");
    EXPECT_EQ(NameFor(0x82, 0x0E, 0), "/recv/PrintScr.82_");
    EXPECT_EQ(NameFor(0x82, 0x0F, 0), "/recv/Backup.82b");
    EXPECT_EQ(NameFor(0x82, 0x04, 0), "/recv/Unknown.82_");
}

TEST(ReceiveName, Ti83Differences)
{
    EXPECT_EQ(NameFor(0x83, 0x01, 0x5D, 0x05), "/recv/L6.83l");
    EXPECT_EQ(NameFor(0x83, 0x01, 0x5D, 'A', {'B', 'C'}), "/recv/LABC.83l");
    EXPECT_EQ(NameFor(0x83, 0x0D, 0x5D, 0x00), "/recv/L1.83l");
    EXPECT_EQ(NameFor(0x83, 0x03, 0x5E, 0x82), "/recv/wn.83y");
    EXPECT_EQ(NameFor(0x83, 0x04, 0xAA, 0x09), "/recv/Str0.83s");
    EXPECT_EQ(NameFor(0x83, 0x0C, 0x5B), "/recv/CplxTHET.83c");
    EXPECT_EQ(NameFor(0x83, 0x07, 0x60, 0x09), "/recv/Pic0.83i");
    EXPECT_EQ(NameFor(0x83, 0x08, 0x61, 0x09), "/recv/GDB0.83d");
    EXPECT_EQ(NameFor(0x83, 0x02, 0x5C, 0x09), "/recv/MtrxJ.83m");
    EXPECT_EQ(NameFor(0x83, 0x0F, 0), "/recv/Window.83w");
    EXPECT_EQ(NameFor(0x83, 0x12, 0), "/recv/PrintScr.83_");
    EXPECT_EQ(NameFor(0x83, 0x13, 0), "/recv/Backup.83b");
    EXPECT_EQ(NameFor(0x83, 0x0E, 0), "/recv/Unknown.83_");
}

TEST(ReceiveName, NothingLeavesTheFolder)
{
    // Another sender, or a header too short to hold a name: no name at all.
    EXPECT_EQ(NameFor(0x02, 0x00, 'A'), "");
    EXPECT_EQ(MakeReceiveName(std::vector<uint8_t>{0x82, 0x06, 0x0B}, "/recv"), "");
    // Only what a calculator name holds: a slash cannot reach another folder,
    // a dot cannot hide the file, a dash, blank or metacharacter cannot start
    // an option or a command; control and high bytes go too.
    EXPECT_EQ(NameFor(0x82, 0x05, '.', '.', {'/', 'x'}), "/recv/___x.82p");
    EXPECT_EQ(NameFor(0x82, 0x05, '-', 'r', {'f'}), "/recv/_rf.82p");
    EXPECT_EQ(NameFor(0x83, 0x05, ' ', '$', {'(', ';', '*', '|'}), "/recv/______.83p");
    EXPECT_EQ(NameFor(0x83, 0x05, 'A', '\n', {0x7F, 0xC3, 'B'}), "/recv/A___B.83p");
    EXPECT_EQ(NameFor(0x83, 0x01, 0x5D, '-', {'X'}), "/recv/L_X.83l");
    EXPECT_EQ(NameFor(0x83, 0x05, 0, 0), "/recv/_.83p");
    // Numbered forms past their last number: no wrapped or odd characters.
    EXPECT_EQ(NameFor(0x83, 0x02, 0x5C, 0xBF), "/recv/Mtrx_.83m");
    EXPECT_EQ(NameFor(0x83, 0x07, 0x60, 0x0A), "/recv/Pic_.83i");
}
