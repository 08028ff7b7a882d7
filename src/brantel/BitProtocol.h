// SPDX-License-Identifier: GPL-3.0-or-later
// The two-wire bit handshake, shared by both ends of a cable: the driver uses it
// for the computer, the simulated calculator for its own end.
#pragma once

#include "brantel/LineBackend.h"

#include <cstdint>
#include <optional>

namespace vexil::brantel {

// What every pass of a wait loop does besides sampling: keep the caller's events
// flowing, then ask whether to give up. The protocol itself never gives up; a
// caller with a time limit for the other end restarts its clock in edgeStarts()
// and answers aborted() from it.
class WaitHooks {
public:
    virtual ~WaitHooks() = default;
    // A wait for one move of the other end begins.
    virtual void edgeStarts() {}
    virtual void pump() {}
    virtual bool aborted() = 0;
};

// Sends the 8 bits of `byte`, least significant first. False when aborted; the
// lines are then left as they were at that moment.
bool SendByte(LineBackend &lines, WaitHooks &hooks, uint8_t byte);

// Receives 8 bits; nothing when aborted.
std::optional<uint8_t> ReceiveByte(LineBackend &lines, WaitHooks &hooks);

} // namespace vexil::brantel
