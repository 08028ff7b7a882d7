// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/Keypad.h"

#include <gtest/gtest.h>

namespace vexil::tibasic {
namespace {

const KeypadKey &Key82(int tag)
{
    return *FindKeypadKey(CalcModel::TI82, tag);
}

KeyAction Inserts(const char *text)
{
    return {KeyActionKind::Insert, text, {}};
}

TEST(KeypadState, SecondAndAlphaExcludeEachOtherAndLastOneKey)
{
    KeypadState state;
    state.press(Key82(kAlphaKey));
    EXPECT_TRUE(state.alpha());
    state.press(Key82(kSecondKey));
    EXPECT_TRUE(state.second());
    EXPECT_FALSE(state.alpha());
    EXPECT_EQ(state.press(Key82(52)), Inserts("sin\xF1 "));
    EXPECT_FALSE(state.second());
    EXPECT_EQ(state.press(Key82(52)), Inserts("sin "));

    // 2nd twice is 2nd off again.
    state.press(Key82(kSecondKey));
    state.press(Key82(kSecondKey));
    EXPECT_EQ(state.press(Key82(92)), Inserts("1"));
}

TEST(KeypadState, AlphaLockStaysUntilAlphaIsPressed)
{
    KeypadState state;
    state.press(Key82(kSecondKey));
    state.press(Key82(kAlphaKey));
    EXPECT_TRUE(state.alphaLock());
    EXPECT_FALSE(state.second());
    EXPECT_EQ(state.press(Key82(41)), Inserts("A"));
    EXPECT_EQ(state.press(Key82(43)), Inserts("C"));
    EXPECT_TRUE(state.alphaLock());

    // 2nd over A-LOCK reaches the 2nd function once; the lock stays.
    state.press(Key82(kSecondKey));
    EXPECT_EQ(state.press(Key82(92)), Inserts("L\x81"));
    EXPECT_TRUE(state.alphaLock());

    state.press(Key82(kAlphaKey));
    EXPECT_FALSE(state.alphaLock());
    EXPECT_FALSE(state.alpha());
}

TEST(KeypadState, CaptionsActAtOnceWhateverTheState)
{
    KeypadState state;
    EXPECT_EQ(state.clickCaption(Key82(104), KeyLayer::Second), Inserts("Ans"));
    state.press(Key82(kSecondKey));
    EXPECT_EQ(state.clickCaption(Key82(41), KeyLayer::Alpha), Inserts("A"));
    EXPECT_FALSE(state.second());

    EXPECT_EQ(state.clickCaption(Key82(kAlphaKey), KeyLayer::Second), KeyAction{});
    EXPECT_TRUE(state.alphaLock());
    EXPECT_EQ(state.clickCaption(Key82(101), KeyLayer::Second).kind, KeyActionKind::CloseKeypad);
    EXPECT_EQ(state.clickCaption(Key82(32), KeyLayer::Second).kind, KeyActionKind::OpenLinkManager);
    EXPECT_EQ(state.clickCaption(*FindKeypadKey(CalcModel::TI83, 102), KeyLayer::Second).kind,
              KeyActionKind::OpenCatalog);
}

} // namespace
} // namespace vexil::tibasic
