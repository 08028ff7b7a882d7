// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimWire.h"

#include "brantel/BitProtocol.h"

#include <poll.h>
#include <thread>
#include <unistd.h>

namespace vexil::link::calcsim {

namespace {

class SimHooks final : public brantel::WaitHooks {
public:
    SimHooks(const std::atomic<bool> &stop,
             std::optional<std::chrono::steady_clock::time_point> deadline)
        : stop_(stop), deadline_(deadline)
    {
    }
    bool aborted() override
    {
        if (stop_.load(std::memory_order_relaxed)) {
            return true;
        }
        // Reading the clock on every poll would dominate the loop.
        if (deadline_ && ++polls_ % 256 == 0) {
            return std::chrono::steady_clock::now() > *deadline_;
        }
        return false;
    }

private:
    const std::atomic<bool> &stop_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    unsigned polls_ = 0;
};

} // namespace

CableWire::CableWire(const std::string &cablePath, const std::atomic<bool> &stop,
                     std::chrono::milliseconds timeout, bool strict)
    : cable_(cablePath, brantel::CableEnd::Calculator), stop_(stop), timeout_(timeout)
{
    if (cable_.ok()) {
        cable_.setStrict(strict);
    }
}

std::optional<uint8_t> CableWire::get(bool patient)
{
    std::optional<std::chrono::steady_clock::time_point> deadline;
    if (!patient) {
        deadline = std::chrono::steady_clock::now() + timeout_;
    }
    SimHooks hooks(stop_, deadline);
    const auto byte = brantel::ReceiveByte(cable_, hooks);
    if (!byte) {
        cable_.drive(brantel::kReleaseBoth);
    }
    return byte;
}

bool CableWire::put(uint8_t byte)
{
    SimHooks hooks(stop_, std::chrono::steady_clock::now() + timeout_);
    if (brantel::SendByte(cable_, hooks, byte)) {
        return true;
    }
    cable_.drive(brantel::kReleaseBoth);
    return false;
}

bool CableWire::active()
{
    return (cable_.sample() & brantel::kLineMask) != brantel::kLineMask;
}

namespace {

// Short enough that a stop is seen at once.
constexpr int kPollSliceMs = 20;

} // namespace

std::optional<uint8_t> SerialWire::get(bool patient)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout_;
    while (!stop_.load()) {
        pollfd pfd{fd_, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, kPollSliceMs);
        uint8_t byte = 0;
        if (ready > 0 && (pfd.revents & POLLIN) && ::read(fd_, &byte, 1) == 1) {
            return byte;
        }
        // Nobody on the other side yet (a hang-up): wait as for a quiet line.
        if (ready > 0 && !(pfd.revents & POLLIN)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kPollSliceMs));
        }
        if (!patient && std::chrono::steady_clock::now() > deadline) {
            break;
        }
    }
    return std::nullopt;
}

bool SerialWire::put(uint8_t byte)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout_;
    while (!stop_.load() && std::chrono::steady_clock::now() <= deadline) {
        pollfd pfd{fd_, POLLOUT, 0};
        if (::poll(&pfd, 1, kPollSliceMs) > 0 && (pfd.revents & POLLOUT)) {
            return ::write(fd_, &byte, 1) == 1;
        }
    }
    return false;
}

bool SerialWire::active()
{
    pollfd pfd{fd_, POLLIN, 0};
    return ::poll(&pfd, 1, 0) > 0 && (pfd.revents & POLLIN);
}

std::optional<uint8_t> ScriptWire::get(bool)
{
    if (bytes_.empty()) {
        stop_ = true;
        return std::nullopt;
    }
    const uint8_t b = bytes_.front();
    bytes_.pop_front();
    return b;
}

bool ScriptWire::active()
{
    if (bytes_.empty()) {
        stop_ = true;
    }
    return !bytes_.empty();
}

} // namespace vexil::link::calcsim
