// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimWire.h"

#include "brantel/BitProtocol.h"

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
        if (stop_.load(std::memory_order_relaxed))
            return true;
        // Reading the clock on every poll would dominate the loop.
        if (deadline_ && ++polls_ % 256 == 0)
            return std::chrono::steady_clock::now() > *deadline_;
        return false;
    }

private:
    const std::atomic<bool> &stop_;
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    unsigned polls_ = 0;
};

} // namespace

CableWire::CableWire(const std::string &cablePath, const std::atomic<bool> &stop,
                     std::chrono::milliseconds timeout)
    : cable_(cablePath, brantel::CableEnd::Calculator), stop_(stop), timeout_(timeout)
{
}

std::optional<uint8_t> CableWire::get(bool patient)
{
    std::optional<std::chrono::steady_clock::time_point> deadline;
    if (!patient)
        deadline = std::chrono::steady_clock::now() + timeout_;
    SimHooks hooks(stop_, deadline);
    const auto byte = brantel::receiveByte(cable_, hooks);
    if (!byte)
        cable_.drive(brantel::kReleaseBoth);
    return byte;
}

bool CableWire::put(uint8_t byte)
{
    SimHooks hooks(stop_, std::chrono::steady_clock::now() + timeout_);
    if (brantel::sendByte(cable_, hooks, byte))
        return true;
    cable_.drive(brantel::kReleaseBoth);
    return false;
}

bool CableWire::active()
{
    return (cable_.sample() & brantel::kLineMask) != brantel::kLineMask;
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
    if (bytes_.empty())
        stop_ = true;
    return !bytes_.empty();
}

} // namespace vexil::link::calcsim
