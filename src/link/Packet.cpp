// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/Packet.h"

namespace vexil::link {

bool IsHeaderOnlyCommand(uint8_t cmd)
{
    return cmd == command::kAck || cmd == command::kChecksumError || cmd == command::kRefusal ||
           cmd == command::kClearToSend || cmd == command::kEndOfTransmission;
}

bool IsHeaderOnly(std::span<const uint8_t> packet)
{
    if (packet.size() < 4) {
        return true;
    }
    return IsHeaderOnlyCommand(packet[1]) || (packet[2] == 0 && packet[3] == 0);
}

uint16_t DataSum(std::span<const uint8_t> packet)
{
    uint16_t sum = 0;
    for (size_t i = 4; i + 2 < packet.size(); ++i) {
        sum = static_cast<uint16_t>(sum + packet[i]);
    }
    return sum;
}

void AppendChecksum(Packet &packet)
{
    if (IsHeaderOnly(packet) || packet.size() < 6) {
        return;
    }
    const uint16_t sum = DataSum(packet);
    packet[packet.size() - 2] = static_cast<uint8_t>(sum & 0xFF);
    packet[packet.size() - 1] = static_cast<uint8_t>(sum >> 8);
}

bool ChecksumOk(std::span<const uint8_t> packet, uint16_t checksum)
{
    return IsHeaderOnly(packet) || DataSum(packet) == checksum;
}

Packet HeaderPacket(uint8_t machineId, uint8_t cmd, uint16_t length)
{
    return {machineId, cmd, static_cast<uint8_t>(length & 0xFF), static_cast<uint8_t>(length >> 8)};
}

Packet DataPacket(uint8_t machineId, uint8_t cmd, std::span<const uint8_t> data)
{
    Packet p = HeaderPacket(machineId, cmd, static_cast<uint16_t>(data.size()));
    p.insert(p.end(), data.begin(), data.end());
    p.push_back(0);
    p.push_back(0);
    const uint16_t sum = DataSum(p);
    p[p.size() - 2] = static_cast<uint8_t>(sum & 0xFF);
    p[p.size() - 1] = static_cast<uint8_t>(sum >> 8);
    return p;
}

Packet RefusalPacket(uint8_t machineId, uint8_t reason)
{
    return {machineId, command::kRefusal, 0x01, 0x00, reason, reason, 0x00};
}

} // namespace vexil::link
