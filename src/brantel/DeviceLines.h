// SPDX-License-Identifier: GPL-3.0-or-later
// Back-ends for real cables: the home-made parallel cable through ppdev, and the
// serial black link through a tty's modem-control lines.
#pragma once

#include "brantel/LineBackend.h"

#include <memory>
#include <string>

namespace vexil::brantel {

// A released line rises within microseconds, but a USB serial adapter reports
// its modem lines only every few milliseconds.
inline constexpr std::chrono::milliseconds kHardwareSettle{20};

// Data bit 0 drives line A, data bit 1 line B; the status register shows line A
// on PAPER-OUT (0x20) and line B on SELECT (0x10), so both registers already
// follow the model and pass through unchanged.
class ParportLines final : public LineBackend {
public:
    explicit ParportLines(int fd) : fd_(fd) {}
    ~ParportLines() override;
    void drive(uint8_t value) override;
    uint8_t sample() override;
    std::chrono::nanoseconds settleTime() const override { return kHardwareSettle; }

private:
    int fd_;
};

// DTR drives line A and DSR reads it; RTS drives line B and CTS reads it. A
// raised control line releases its cable line.
class SerialLines final : public LineBackend {
public:
    explicit SerialLines(int fd) : fd_(fd) {}
    ~SerialLines() override;
    void drive(uint8_t value) override;
    uint8_t sample() override;
    std::chrono::nanoseconds settleTime() const override { return kHardwareSettle; }

private:
    int fd_;
};

struct OpenedLines {
    std::unique_ptr<LineBackend> lines; // null on failure
    std::string message;                // why it failed, for the user
};

OpenedLines OpenParport(const std::string &device);
// Opens the tty with both lines released, and so that closing it later leaves
// DTR and RTS raised: dropped, they would pull both lines of an attached
// calculator low, which it takes as the start of a transfer.
OpenedLines OpenSerialLines(const std::string &device);

// Clears HUPCL on a tty; false when it is not one.
bool KeepModemLinesOnClose(int fd);

// "Cannot open <device>: <reason>." followed by what usually helps for that
// errno; `group` is the group that normally owns such devices.
std::string DeviceErrorMessage(const std::string &device, int error, const char *group);

} // namespace vexil::brantel
