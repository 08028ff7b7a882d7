// SPDX-License-Identifier: GPL-3.0-or-later
// Link packets: machine id, command, 16-bit length, then for data packets the
// data and a 16-bit sum of it. All words are little-endian.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vexil::link {

using Packet = std::vector<uint8_t>;

namespace machine {
inline constexpr uint8_t kComputerTo82 = 0x02;
inline constexpr uint8_t kComputerTo83 = 0x03;
inline constexpr uint8_t kTI82 = 0x82;
inline constexpr uint8_t kTI83 = 0x83;
} // namespace machine

namespace command {
inline constexpr uint8_t kVarHeader = 0x06;
inline constexpr uint8_t kClearToSend = 0x09;
inline constexpr uint8_t kData = 0x15;
inline constexpr uint8_t kRefusal = 0x36; // skip/exit; one reason byte follows on the wire
inline constexpr uint8_t kAck = 0x56;
inline constexpr uint8_t kChecksumError = 0x5A;
inline constexpr uint8_t kReady = 0x68;
inline constexpr uint8_t kScreenRequest = 0x6D;
inline constexpr uint8_t kKey = 0x87;
inline constexpr uint8_t kEndOfTransmission = 0x92;
inline constexpr uint8_t kRequest = 0xA2;
inline constexpr uint8_t kRequestToSend = 0xC9;
} // namespace command

namespace refusal {
inline constexpr uint8_t kExit = 1;
inline constexpr uint8_t kSkip = 2;
inline constexpr uint8_t kMemoryFull = 3;
} // namespace refusal

// The commands that never carry data on this layer. The refusal is among them:
// its reason byte and checksum are read by the caller that expects them.
bool IsHeaderOnlyCommand(uint8_t command);

// Header-only: one of those commands, or a length of 0 (so a screen request
// carries no checksum). A packet shorter than its header counts as header-only.
bool IsHeaderOnly(std::span<const uint8_t> packet);

// The 16-bit sum of the bytes from index 4 up to the third-last.
uint16_t DataSum(std::span<const uint8_t> packet);

// Stores DataSum in the last two bytes, unless the packet is header-only.
void AppendChecksum(Packet &packet);

// True for a header-only packet, else whether DataSum equals `checksum`.
bool ChecksumOk(std::span<const uint8_t> packet, uint16_t checksum);

// A header-only packet: id, command and a length word that carries no data.
Packet HeaderPacket(uint8_t machineId, uint8_t command, uint16_t length = 0);

// A data packet with its checksum filled in.
Packet DataPacket(uint8_t machineId, uint8_t command, std::span<const uint8_t> data);

// The refusal as it goes over the wire: header, reason byte and its checksum.
Packet RefusalPacket(uint8_t machineId, uint8_t reason);

inline uint16_t LengthField(std::span<const uint8_t> packet)
{
    return packet.size() < 4 ? 0 : static_cast<uint16_t>(packet[2] | packet[3] << 8);
}

} // namespace vexil::link
