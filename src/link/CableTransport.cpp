// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/CableTransport.h"

#include "brantel/brantel.h"

#include <chrono>
#include <thread>

namespace vexil::link {

namespace {

// The driver holds one set of lines and one pump for the whole process. A new
// transport is opened before the one it replaces is destroyed, so only the
// transport that opened the current lines may close them.
const CableTransport *linesOwner = nullptr;

constexpr std::chrono::milliseconds kTurnaround{1};

} // namespace

CableTransport::CableTransport(LinkHost &host) : host_(host) {}

CableTransport::~CableTransport()
{
    if (linesOwner != this) {
        return;
    }
    linesOwner = nullptr;
    brantel_close_lines();
    brantel_set_pump(nullptr, nullptr);
}

std::string CableTransport::open(int linesKind, const std::string &device)
{
    char message[1024]; // room for the advice on access rights
    const int failed = brantel_open_lines(linesKind, device.c_str(), message, sizeof message);
    // Whatever was attached before is closed now, success or not.
    linesOwner = nullptr;
    if (failed != 0) {
        return message;
    }
    linesOwner = this;
    brantel_set_pump([](void *context) { static_cast<LinkHost *>(context)->pumpEvents(); }, &host_);
    return {};
}

void CableTransport::sendByte(uint8_t byte)
{
    // Turning round from receiving to sending: the far end ends its last bit
    // when it sees both lines high, and only a moment of idle lines lets it see
    // that before our first pull. A calculator polls its port every few
    // microseconds; a millisecond leaves room for a busy one too.
    if (lastWasReceive_) {
        std::this_thread::sleep_for(kTurnaround);
    }
    lastWasReceive_ = false;
    Put82(byte);
    timedOut_ = brantel_timed_out() != 0;
}

std::optional<uint8_t> CableTransport::receiveByte()
{
    lastWasReceive_ = true;
    const uint8_t byte = Get82();
    timedOut_ = brantel_timed_out() != 0;
    if (timedOut_ || GetBrk() == 1) {
        return std::nullopt;
    }
    return byte;
}

void CableTransport::setByteTimeout(int milliseconds)
{
    brantel_set_timeout(milliseconds);
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
