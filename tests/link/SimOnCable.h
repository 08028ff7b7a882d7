// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated calculator at the far end of a cable, in a thread of its own
// from start() until the test ends, the way a real one keeps running while the
// computer's side does what the test asks of it.
#pragma once

#include "link/calcsim/SimCalculator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace vexil::link::test {

class SimOnCable {
public:
    SimOnCable() = default;
    SimOnCable(const SimOnCable &) = delete;
    SimOnCable &operator=(const SimOnCable &) = delete;
    ~SimOnCable() { stop(); }

    // Switches the calculator on with `config`; once the computer is there it
    // sends the files of its memory named in `toSend`, in that order.
    void start(const calcsim::SimConfig &config, std::vector<std::string> toSend = {})
    {
        calculator_ = std::make_unique<calcsim::SimCalculator>(config);
        ASSERT_EQ(calculator_->start(), "");
        calculator_->queueSend(std::move(toSend));
        thread_ = std::thread([this] { calculator_->run(stop_); });
    }

    // Stops the thread; the calculator's memory and log stay readable.
    void stop()
    {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
    }

    calcsim::SimCalculator *operator->() const { return calculator_.get(); }
    calcsim::SimCalculator &operator*() const { return *calculator_; }
    explicit operator bool() const { return calculator_ != nullptr; }

private:
    std::unique_ptr<calcsim::SimCalculator> calculator_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace vexil::link::test
