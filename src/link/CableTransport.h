// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes over the two-wire cable through the driver library.
#pragma once

#include "link/ByteTransport.h"
#include "link/LinkHost.h"

#include <string>

namespace vexil::link {

class CableTransport final : public ByteTransport {
public:
    // Once open, the host's event pump runs inside the driver's waits until the
    // lines are closed.
    explicit CableTransport(LinkHost &host);
    ~CableTransport() override;
    CableTransport(const CableTransport &) = delete;
    CableTransport &operator=(const CableTransport &) = delete;

    // brantel_lines_kind and device; an empty string on success, else the message.
    std::string open(int linesKind, const std::string &device);

    void sendByte(uint8_t byte) override;
    std::optional<uint8_t> receiveByte() override;
    bool dataReady() override;
    void releaseLines() override;
    uint8_t readLines() override;
    bool lastByteTimedOut() const override { return timedOut_; }
    // The driver's limit for each move of the other end, inside every bit.
    void setByteTimeout(int milliseconds) override;

private:
    LinkHost &host_;
    bool timedOut_ = false;
    bool lastWasReceive_ = false;
};

} // namespace vexil::link
