// SPDX-License-Identifier: GPL-3.0-or-later
// How bytes reach the calculator: the two-wire cable through the driver, or a
// TI-Graph Link on a serial port. Tests and fuzzers plug in their own.
#pragma once

#include <cstdint>
#include <optional>

namespace vexil::link {

class ByteTransport {
public:
    virtual ~ByteTransport() = default;
    virtual void sendByte(uint8_t byte) = 0;
    // Nothing when no byte came: aborted by the break flag, or a read time-out.
    virtual std::optional<uint8_t> receiveByte() = 0;
    // True once the calculator has started to send.
    virtual bool dataReady() = 0;
    virtual void releaseLines() = 0;
    // The raw line byte: bits 4 and 5 are the two lines, 0x30 when idle.
    virtual uint8_t readLines() = 0;
    // Whether the last byte sent or received gave up because the other end
    // stalled for longer than the byte time-out (rather than on a break).
    virtual bool lastByteTimedOut() const { return false; }
    // How long one byte may stall; 0 waits for ever.
    virtual void setByteTimeout(int /*milliseconds*/) {}
};

} // namespace vexil::link
