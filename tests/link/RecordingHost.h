// SPDX-License-Identifier: GPL-3.0-or-later
// A link host that records what the packet layer shows and can act from inside
// an event pump, as the stop button does.
#pragma once

#include "link/LinkHost.h"

#include <functional>
#include <string>
#include <vector>

namespace vexil::link::test {

class RecordingHost final : public LinkHost {
public:
    void setStatus(const std::string &text) override { statuses.push_back(text); }
    void setGaugeMax(int max) override { gaugeMax = max; }
    void setGaugePosition(int position) override { gaugePosition = position; }
    void setBusyCursor(bool busy) override { busyChanges += busy ? 1 : -1; }
    void beep() override { ++beeps; }
    void pumpEvents() override
    {
        ++pumps;
        if (onPump) {
            onPump();
        }
    }

    std::vector<std::string> statuses;
    int gaugeMax = -1;
    int gaugePosition = -1;
    int busyChanges = 0;
    int beeps = 0;
    long pumps = 0;
    std::function<void()> onPump;
};

} // namespace vexil::link::test
