// SPDX-License-Identifier: GPL-3.0-or-later
// Fetching the calculator's screen: the screen request, the calculator's
// acknowledgement, then its reply read byte by byte (a data packet of the 768
// screen bytes and their checksum), which the computer acknowledges. The
// calculator answers whenever it waits for a key; no link menu is needed.
#pragma once

#include "link/Link.h"
#include "link/Packet.h"
#include "link/TransferResult.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace vexil::link {

inline constexpr std::size_t kScreenReplySize = 774; // header, 768 screen bytes, checksum
inline constexpr std::size_t kScreenBytes = 768;

struct ScreenCapture {
    // Ok, Cancelled, Timeout, or TransmissionError for a reply that is not the
    // screen or arrived damaged.
    TransferResult result = TransferResult::TransmissionError;
    Packet reply; // the bytes as they arrived
    // The 64 rows of 12 bytes; only when the result is Ok.
    std::span<const std::uint8_t> screen() const
    {
        return std::span(reply).subspan(4, kScreenBytes);
    }
};

// Runs the exchange on a link that LinkInit has just readied, with the machine id
// of the development mode. The reply's header and checksum are checked, and a
// damaged screen is acknowledged all the same, so the calculator finishes too.
ScreenCapture GrabScreen(Link &link, bool ti83Mode);

// What a user is told about a capture that brought no screen; nullptr for Ok.
const char *ScreenCaptureMessage(TransferResult result);

} // namespace vexil::link
