// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimPacket.h"

namespace vexil::link::calcsim {

bool CarriesData(uint8_t command)
{
    switch (command) {
    case op::kVariableHeader:
    case op::kData:
    case op::kSkipOrExit:
    case op::kDelete:
    case op::kRequest:
    case op::kRequestToSend:
        return true;
    default:
        return false;
    }
}

uint16_t SumOf(std::span<const uint8_t> bytes)
{
    unsigned sum = 0;
    for (uint8_t b : bytes) {
        sum += b;
    }
    return static_cast<uint16_t>(sum);
}

std::vector<uint8_t> WireBytes(uint8_t sender, uint8_t command, uint16_t word)
{
    return {sender, command, static_cast<uint8_t>(word), static_cast<uint8_t>(word >> 8)};
}

std::vector<uint8_t> WireBytes(uint8_t sender, uint8_t command, std::span<const uint8_t> data)
{
    std::vector<uint8_t> bytes = WireBytes(sender, command, static_cast<uint16_t>(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    const uint16_t sum = SumOf(data);
    bytes.push_back(static_cast<uint8_t>(sum));
    bytes.push_back(static_cast<uint8_t>(sum >> 8));
    return bytes;
}

} // namespace vexil::link::calcsim
