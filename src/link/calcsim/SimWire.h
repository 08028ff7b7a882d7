// SPDX-License-Identifier: GPL-3.0-or-later
// Where the simulated calculator's bytes go: the virtual cable, bit by bit; a
// serial line that carries whole bytes, as the calculator's side of a TI-Graph
// Link does; or (for the fuzzer) a fixed list of bytes from "the computer".
#pragma once

#include "brantel/VirtualCable.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>

namespace vexil::link::calcsim {

class SimWire {
public:
    virtual ~SimWire() = default;
    // One byte from the computer; nothing when the wait was given up. A patient
    // wait has no time limit (a calculator idling at a menu).
    virtual std::optional<uint8_t> get(bool patient) = 0;
    // False when the computer did not take the byte.
    virtual bool put(uint8_t byte) = 0;
    // True once the computer has started to send.
    virtual bool active() = 0;
};

class CableWire final : public SimWire {
public:
    // `strict`: the cable shows both ends only the lines as they are.
    CableWire(const std::string &cablePath, const std::atomic<bool> &stop,
              std::chrono::milliseconds timeout, bool strict = false);
    bool ok() const { return cable_.ok(); }
    const std::string &error() const { return cable_.error(); }

    std::optional<uint8_t> get(bool patient) override;
    bool put(uint8_t byte) override;
    bool active() override;

private:
    brantel::VirtualCable cable_;
    const std::atomic<bool> &stop_;
    std::chrono::milliseconds timeout_;
};

// Whole bytes over a file descriptor: the master side of a pseudo-terminal
// whose other side the computer opens as its TI-Graph Link.
class SerialWire final : public SimWire {
public:
    SerialWire(int fd, const std::atomic<bool> &stop, std::chrono::milliseconds timeout)
        : fd_(fd), stop_(stop), timeout_(timeout)
    {
    }
    std::optional<uint8_t> get(bool patient) override;
    bool put(uint8_t byte) override;
    bool active() override;

private:
    int fd_;
    const std::atomic<bool> &stop_;
    std::chrono::milliseconds timeout_;
};

// Plays back bytes; sets `stop` once they are used up, so the calculator's
// serving loop ends.
class ScriptWire final : public SimWire {
public:
    ScriptWire(std::span<const uint8_t> bytes, std::atomic<bool> &stop)
        : bytes_(bytes.begin(), bytes.end()), stop_(stop)
    {
    }
    std::optional<uint8_t> get(bool) override;
    bool put(uint8_t) override { return !stop_.load(); }
    bool active() override;

private:
    std::deque<uint8_t> bytes_;
    std::atomic<bool> &stop_;
};

} // namespace vexil::link::calcsim
