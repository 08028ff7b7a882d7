// SPDX-License-Identifier: GPL-3.0-or-later
// Packets as the calculator's own link routines frame them: sender id, command,
// a 16-bit word, and for the commands that carry data the data and its 16-bit
// sum. Kept apart from the computer's packet code on purpose: the simulated
// calculator must stand for a real one, not mirror what it talks to.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vexil::link::calcsim {

namespace op {
inline constexpr uint8_t kVariableHeader = 0x06;
inline constexpr uint8_t kContinue = 0x09; // clear to send
inline constexpr uint8_t kData = 0x15;
inline constexpr uint8_t kSkipOrExit = 0x36;
inline constexpr uint8_t kAcknowledge = 0x56;
inline constexpr uint8_t kSendAgain = 0x5A; // checksum error
inline constexpr uint8_t kAreYouReady = 0x68;
inline constexpr uint8_t kScreen = 0x6D;
inline constexpr uint8_t kKey = 0x87;
inline constexpr uint8_t kDelete = 0x88;
inline constexpr uint8_t kEnd = 0x92; // end of transmission
inline constexpr uint8_t kRequest = 0xA2;
inline constexpr uint8_t kRequestToSend = 0xC9;
} // namespace op

namespace reason {
inline constexpr uint8_t kExit = 1;
inline constexpr uint8_t kSkip = 2;
inline constexpr uint8_t kOutOfMemory = 3;
} // namespace reason

// Whether a packet with this command carries data and a checksum; that depends
// on the command alone, never on the word.
bool CarriesData(uint8_t command);

// The 16-bit sum of `bytes`, the packets' checksum.
uint16_t SumOf(std::span<const uint8_t> bytes);

struct SimPacket {
    uint8_t sender = 0;
    uint8_t command = 0;
    uint16_t word = 0;         // the data length when there is data
    std::vector<uint8_t> data; // without its checksum
};

// The bytes on the wire: a packet without data is its 4 header bytes; with
// data, the word is the data's length and the sum follows it.
std::vector<uint8_t> WireBytes(uint8_t sender, uint8_t command, uint16_t word = 0);
std::vector<uint8_t> WireBytes(uint8_t sender, uint8_t command, std::span<const uint8_t> data);

} // namespace vexil::link::calcsim
