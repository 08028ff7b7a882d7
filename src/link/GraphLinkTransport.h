// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-Graph Link: a serial cable that turns every byte on the tty into one
// link byte and back, so only whole bytes cross here.
#pragma once

#include "link/ByteTransport.h"
#include "link/LinkHost.h"

#include <chrono>
#include <functional>
#include <string>

namespace vexil::link {

class GraphLinkTransport final : public ByteTransport {
public:
    // `stop` is asked while a byte waits, so a cancel ends it at once.
    // `timeoutMs` bounds each byte (0: no bound).
    GraphLinkTransport(LinkHost &host, std::function<bool()> stop, int timeoutMs);
    ~GraphLinkTransport() override;
    GraphLinkTransport(const GraphLinkTransport &) = delete;
    GraphLinkTransport &operator=(const GraphLinkTransport &) = delete;

    // Opens `device` raw at 9600 8N1 without flow control, DTR and RTS raised
    // (they power the cable). Empty on success, else the message.
    std::string open(const std::string &device);

    void sendByte(uint8_t byte) override;
    std::optional<uint8_t> receiveByte() override;
    bool dataReady() override;
    void releaseLines() override {}
    uint8_t readLines() override { return 0x30; }
    bool lastByteTimedOut() const override { return timedOut_; }
    void setByteTimeout(int milliseconds) override { timeoutMs_ = milliseconds; }

private:
    bool pastDeadline(std::chrono::steady_clock::time_point start) const;

    LinkHost &host_;
    std::function<bool()> stop_;
    int timeoutMs_;
    int fd_ = -1;
    bool timedOut_ = false;
};

} // namespace vexil::link
