// SPDX-License-Identifier: GPL-3.0-or-later
#include "brantel/BitProtocol.h"

namespace vexil::brantel {

namespace {

// Polls until `done(masked input)` holds; returns the masked input that ended the
// wait, or nothing when the hooks asked to abort.
template <typename Done>
std::optional<uint8_t> waitFor(LineBackend &lines, WaitHooks &hooks, Done done)
{
    for (;;) {
        const uint8_t state = lines.sample() & kLineMask;
        if (done(state))
            return state;
        hooks.pump();
        if (hooks.aborted())
            return std::nullopt;
    }
}

} // namespace

bool sendByte(LineBackend &lines, WaitHooks &hooks, uint8_t byte)
{
    for (int bit = 0; bit < 8; ++bit) {
        lines.drive((byte >> bit) & 1 ? kPullLineA : kPullLineB);
        // The receiver acknowledges by pulling the other line: both low.
        if (!waitFor(lines, hooks, [](uint8_t s) { return s == 0x00; }))
            return false;
        lines.drive(kReleaseBoth);
        if (!waitFor(lines, hooks, [](uint8_t s) { return s == kLineMask; }))
            return false;
    }
    return true;
}

std::optional<uint8_t> receiveByte(LineBackend &lines, WaitHooks &hooks)
{
    uint8_t value = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const auto start = waitFor(lines, hooks, [](uint8_t s) { return s != kLineMask; });
        if (!start)
            return std::nullopt;
        // Only line A low is a 1. Line B low, or both low (a garbled start), is a 0.
        const bool one = *start == kLineBHigh;
        lines.drive(one ? kPullLineB : kPullLineA);
        value = static_cast<uint8_t>((value >> 1) | (one ? 0x80 : 0x00));
        if (!waitFor(lines, hooks, [](uint8_t s) { return s != 0x00; }))
            return std::nullopt;
        lines.drive(kReleaseBoth);
        if (!waitFor(lines, hooks, [](uint8_t s) { return s == kLineMask; }))
            return std::nullopt;
    }
    return value;
}

} // namespace vexil::brantel
