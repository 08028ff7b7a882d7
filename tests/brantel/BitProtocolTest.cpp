// SPDX-License-Identifier: GPL-3.0-or-later
#include "brantel/BitProtocol.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

using namespace vexil::brantel;

namespace {

// Plays back a fixed list of line states and records what the protocol drives.
// Once the script runs out the lines read idle.
class ScriptedLines final : public LineBackend {
public:
    explicit ScriptedLines(std::deque<uint8_t> script) : script_(std::move(script)) {}
    void drive(uint8_t value) override { driven.push_back(value); }
    uint8_t sample() override
    {
        if (script_.empty()) {
            return kLineMask;
        }
        const uint8_t s = script_.front();
        script_.pop_front();
        return s;
    }
    std::vector<uint8_t> driven;

private:
    std::deque<uint8_t> script_;
};

// A receiver that acknowledges every pull of the sender at once.
class AckingLines final : public LineBackend {
public:
    void drive(uint8_t value) override
    {
        driven.push_back(value);
        state_ = value == kReleaseBoth ? kLineMask : 0x00;
    }
    uint8_t sample() override { return state_; }
    std::vector<uint8_t> driven;

private:
    uint8_t state_ = kLineMask;
};

class CountingHooks final : public WaitHooks {
public:
    explicit CountingHooks(int abortAfter = -1) : abortAfter_(abortAfter) {}
    void pump() override { ++pumps; }
    bool aborted() override { return abortAfter_ >= 0 && pumps >= abortAfter_; }
    int pumps = 0;

private:
    int abortAfter_;
};

// For one bit as the receiver sees it: the sender's pull, the sender's release
// (with the receiver's acknowledge still holding its line), then idle.
void AddBit(std::deque<uint8_t> &script, bool one)
{
    script.push_back(one ? kLineBHigh : kLineAHigh);
    script.push_back(one ? kLineAHigh : kLineBHigh);
    script.push_back(kLineMask);
}

} // namespace

TEST(BitProtocol, SendsLeastSignificantBitFirstOnTheRightLines)
{
    // 0x01: line A for the first bit, line B for the other seven, each followed
    // by a release.
    AckingLines lines;
    CountingHooks hooks;
    ASSERT_TRUE(SendByte(lines, hooks, 0x01));
    std::vector<uint8_t> expected{kPullLineA, kReleaseBoth};
    for (int i = 0; i < 7; ++i) {
        expected.push_back(kPullLineB);
        expected.push_back(kReleaseBoth);
    }
    EXPECT_EQ(lines.driven, expected);

    // 0x80: the set bit goes last.
    AckingLines high;
    ASSERT_TRUE(SendByte(high, hooks, 0x80));
    EXPECT_EQ(high.driven[0], kPullLineB);
    EXPECT_EQ(high.driven[14], kPullLineA);
}

TEST(BitProtocol, ReceivesAndAcknowledgesOnTheOtherLine)
{
    // 0x01 arrives as a 1 then seven 0s; a 1 is acknowledged on line B, a 0 on A.
    std::deque<uint8_t> script;
    AddBit(script, true);
    for (int i = 0; i < 7; ++i) {
        AddBit(script, false);
    }
    ScriptedLines lines(script);
    CountingHooks hooks;
    EXPECT_EQ(ReceiveByte(lines, hooks), std::optional<uint8_t>(0x01));
    ASSERT_EQ(lines.driven.size(), 16u);
    EXPECT_EQ(lines.driven[0], kPullLineB);
    EXPECT_EQ(lines.driven[1], kReleaseBoth);
    EXPECT_EQ(lines.driven[2], kPullLineA);
}

TEST(BitProtocol, BothLinesLowAtTheStartOfABitIsAZero)
{
    std::deque<uint8_t> script{0x00, kLineBHigh, kLineMask};
    for (int i = 0; i < 7; ++i) {
        AddBit(script, true);
    }
    ScriptedLines lines(script);
    CountingHooks hooks;
    EXPECT_EQ(ReceiveByte(lines, hooks), std::optional<uint8_t>(0xFE));
    EXPECT_EQ(lines.driven[0], kPullLineA);
}

TEST(BitProtocol, AbortEndsAWaitAndLeavesTheLinesAlone)
{
    // Sending with nobody to acknowledge: the pull stays, nothing else is driven.
    ScriptedLines silent({});
    CountingHooks hooks(5);
    EXPECT_FALSE(SendByte(silent, hooks, 0xFF));
    EXPECT_EQ(silent.driven, std::vector<uint8_t>{kPullLineA});
    EXPECT_EQ(hooks.pumps, 5);

    // Receiving with nobody sending: nothing is driven at all.
    ScriptedLines idle({});
    CountingHooks receiveHooks(3);
    EXPECT_EQ(ReceiveByte(idle, receiveHooks), std::nullopt);
    EXPECT_TRUE(idle.driven.empty());
}
