// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a picture variable the user sends from the calculator's Link menu: the
// wait, without a time-out, for its header; acknowledge and clear to send; its data
// packet; then the end of the transmission. A variable that is not a picture is
// refused with an exit, as a calculator refuses what it will not take.
#pragma once

#include "link/Link.h"
#include "link/Packet.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vexil::link {

inline constexpr std::uint8_t kPictureTypeId = 0x07;
inline constexpr std::size_t kPictureBytes = 756;

enum class PictureOutcome { Received, Cancelled, TimedOut, TransmissionError, NotAPicture };

struct PictureReceive {
    PictureOutcome outcome = PictureOutcome::TransmissionError;
    // The picture's data packet whole: header, size word, rows, checksum.
    Packet APic;
    // Its 63 rows of 12 bytes; only when the picture was received.
    std::span<const std::uint8_t> rows() const { return std::span(APic).subspan(6, kPictureBytes); }
};

// One line of the packet log: the prefix, then every byte as two upper-case
// hexadecimal digits and a blank.
std::string PacketLogLine(std::string_view prefix, std::span<const std::uint8_t> packet);

// Runs the exchange on a link that LinkInit has just readied, with the machine id
// of the development mode; `log` gets a line for every packet received.
PictureReceive ReceivePicture(Link &link, bool ti83Mode,
                              const std::function<void(const std::string &)> &log);

// What a user is told; nullptr when there is nothing to tell.
const char *PictureOutcomeMessage(PictureOutcome outcome);

} // namespace vexil::link
