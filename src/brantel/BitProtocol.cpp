// SPDX-License-Identifier: GPL-3.0-or-later
#include "brantel/BitProtocol.h"

#include <chrono>

namespace vexil::brantel {

namespace {

// Polls until `done(masked input)` holds; returns the masked input that ended the
// wait, or nothing when the hooks asked to abort.
template <typename Done>
std::optional<uint8_t> WaitFor(LineBackend &lines, WaitHooks &hooks, Done done)
{
    hooks.edgeStarts();
    for (;;) {
        const uint8_t state = lines.sample() & kLineMask;
        if (done(state)) {
            return state;
        }
        hooks.pump();
        if (hooks.aborted()) {
            return std::nullopt;
        }
    }
}

// The receiver's end of a bit, after it has released its acknowledgement. The
// sender let go of its own line before that (the receiver saw it), so once the
// acknowledgement line reads high the bit is over: the lines are idle, or the
// sender has already pulled its line for the next bit, which it may do the moment
// it sees both lines high. Waiting for both lines high instead would wait for
// ever whenever the receiver looks too late to catch that moment.
//
// The one state that needs care is the acknowledgement line still reading low:
// the line may not have risen yet, or the sender may have pulled that very line
// for its next bit. A line that rises does so within the back-end's settle time,
// so a line that stays low longer belongs to the next bit.
bool WaitForAcknowledgeReleased(LineBackend &lines, WaitHooks &hooks, uint8_t acknowledgeHigh)
{
    using Clock = std::chrono::steady_clock;
    const auto settle = lines.settleTime();
    hooks.edgeStarts();
    std::optional<Clock::time_point> lowSince;
    for (;;) {
        if ((lines.sample() & acknowledgeHigh) != 0 || settle.count() == 0) {
            return true;
        }
        const auto now = Clock::now();
        if (!lowSince) {
            lowSince = now;
        } else if (now - *lowSince >= settle) {
            return true;
        }
        hooks.pump();
        if (hooks.aborted()) {
            return false;
        }
    }
}

} // namespace

bool SendByte(LineBackend &lines, WaitHooks &hooks, uint8_t byte)
{
    for (int bit = 0; bit < 8; ++bit) {
        lines.drive((byte >> bit) & 1 ? kPullLineA : kPullLineB);
        // The receiver acknowledges by pulling the other line: both low.
        if (!WaitFor(lines, hooks, [](uint8_t s) { return s == 0x00; })) {
            return false;
        }
        lines.drive(kReleaseBoth);
        if (!WaitFor(lines, hooks, [](uint8_t s) { return s == kLineMask; })) {
            return false;
        }
    }
    return true;
}

std::optional<uint8_t> ReceiveByte(LineBackend &lines, WaitHooks &hooks)
{
    uint8_t value = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const auto start = WaitFor(lines, hooks, [](uint8_t s) { return s != kLineMask; });
        if (!start) {
            return std::nullopt;
        }
        // Only line A low is a 1. Line B low, or both low (a garbled start), is a 0.
        const bool one = *start == kLineBHigh;
        lines.drive(one ? kPullLineB : kPullLineA);
        value = static_cast<uint8_t>((value >> 1) | (one ? 0x80 : 0x00));
        if (!WaitFor(lines, hooks, [](uint8_t s) { return s != 0x00; })) {
            return std::nullopt;
        }
        lines.drive(kReleaseBoth);
        if (!WaitForAcknowledgeReleased(lines, hooks, one ? kLineBHigh : kLineAHigh)) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace vexil::brantel
