// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/CableTransport.h"

#include "brantel/brantel.h"

namespace vexil::link {

CableTransport::CableTransport(LinkHost &host)
{
    brantel_set_pump([](void *context) { static_cast<LinkHost *>(context)->pumpEvents(); }, &host);
}

CableTransport::~CableTransport()
{
    brantel_close_lines();
    brantel_set_pump(nullptr, nullptr);
}

std::string CableTransport::open(int linesKind, const std::string &device)
{
    char message[512];
    if (brantel_open_lines(linesKind, device.c_str(), message, sizeof message) != 0)
        return message;
    return {};
}

void CableTransport::sendByte(uint8_t byte)
{
    Put82(byte);
}

std::optional<uint8_t> CableTransport::receiveByte()
{
    const uint8_t byte = Get82();
    if (GetBrk() == 1)
        return std::nullopt;
    return byte;
}

bool CableTransport::dataReady()
{
    return (readLines() & 0x30) != 0x30;
}

void CableTransport::releaseLines()
{
    brantel_write_lines(3);
}

uint8_t CableTransport::readLines()
{
    return static_cast<uint8_t>(brantel_read_lines());
}

} // namespace vexil::link
