// SPDX-License-Identifier: GPL-3.0-or-later
// The exported driver: process-wide ports, break flag, pump and back-end around
// the shared bit protocol.
#include "brantel/brantel.h"

#include "brantel/BitProtocol.h"
#include "brantel/DeviceLines.h"
#include "brantel/VirtualCable.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace vexil::brantel;

// Atomic because a stop request may come from another thread as well as from a
// handler pumped inside a wait.
std::atomic<int32_t> breakFlag{0};
uint16_t inputPort = 0;
uint16_t outputPort = 0;
brantel_pump_fn pumpFn = nullptr;
void *pumpContext = nullptr;
int32_t edgeTimeoutMs = 0;
bool lastTimedOut = false;
DisconnectedLines unplugged;
std::unique_ptr<LineBackend> attached;

LineBackend &Lines()
{
    return attached ? *attached : static_cast<LineBackend &>(unplugged);
}

bool BreakRequested()
{
    return breakFlag.load(std::memory_order_relaxed) == 1;
}

class DriverHooks final : public WaitHooks {
public:
    void edgeStarts() override
    {
        if (edgeTimeoutMs > 0) {
            deadline_ = Clock::now() + std::chrono::milliseconds(edgeTimeoutMs);
        }
        polls_ = 0;
    }
    void pump() override
    {
        if (pumpFn) {
            pumpFn(pumpContext);
        }
    }
    bool aborted() override
    {
        if (BreakRequested()) {
            return true;
        }
        // The clock is cheap, but not next to a poll of shared memory.
        if (edgeTimeoutMs > 0 && ++polls_ % 16 == 0 && Clock::now() > deadline_) {
            lastTimedOut = true;
            return true;
        }
        return false;
    }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point deadline_{};
    unsigned polls_ = 0;
};

void CopyMessage(const std::string &text, char *message, size_t size)
{
    if (!message || size == 0) {
        return;
    }
    const size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(message, text.data(), n);
    message[n] = '\0';
}

} // namespace

extern "C" {

void SetPorts(uint16_t input, uint16_t output)
{
    inputPort = input;
    outputPort = output;
}

void SetBrk(int32_t flag)
{
    breakFlag.store(flag);
}

int32_t GetBrk(void)
{
    return breakFlag.load();
}

void Put82(int32_t byte)
{
    lastTimedOut = false;
    if (BreakRequested()) {
        return;
    }
    DriverHooks hooks;
    SendByte(Lines(), hooks, static_cast<uint8_t>(byte));
}

uint8_t Get82(void)
{
    lastTimedOut = false;
    if (BreakRequested()) {
        return 0;
    }
    DriverHooks hooks;
    return ReceiveByte(Lines(), hooks).value_or(0);
}

void brantel_set_timeout(int32_t milliseconds)
{
    edgeTimeoutMs = milliseconds > 0 ? milliseconds : 0;
}

int brantel_timed_out(void)
{
    return lastTimedOut ? 1 : 0;
}

void brantel_set_pump(brantel_pump_fn pump, void *context)
{
    pumpFn = pump;
    pumpContext = context;
}

int brantel_open_lines(int kind, const char *device, char *message, size_t message_size)
{
    attached.reset();
    CopyMessage({}, message, message_size);
    const std::string path = device ? device : "";
    OpenedLines opened;
    switch (kind) {
    case BRANTEL_LINES_NONE:
        return 0;
    case BRANTEL_LINES_VIRTUAL: {
        auto cable = std::make_unique<VirtualCable>(path, CableEnd::Computer);
        if (cable->ok()) {
            opened.lines = std::move(cable);
        } else {
            opened.message = "Cannot open the virtual cable " + path + ": " + cable->error() +
                             ". Check that its folder exists and is writable.";
        }
        break;
    }
    case BRANTEL_LINES_PARPORT:
        opened = OpenParport(path);
        break;
    case BRANTEL_LINES_SERIAL:
        opened = OpenSerialLines(path);
        break;
    default:
        opened.message = "Unknown kind of link cable lines: " + std::to_string(kind) + ".";
        break;
    }
    if (!opened.lines) {
        CopyMessage(opened.message, message, message_size);
        return -1;
    }
    attached = std::move(opened.lines);
    return 0;
}

void brantel_close_lines(void)
{
    attached.reset();
}

void brantel_write_lines(int value)
{
    Lines().drive(static_cast<uint8_t>(value & 3));
}

int brantel_read_lines(void)
{
    return Lines().sample();
}

} // extern "C"
