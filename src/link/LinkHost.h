// SPDX-License-Identifier: GPL-3.0-or-later
// What the packet layer needs from the user interface. The transfer dialog
// implements it; tests and the command-line programs use quiet ones.
#pragma once

#include <string>

namespace vexil::link {

class LinkHost {
public:
    virtual ~LinkHost() = default;
    virtual void setStatus(const std::string &text) = 0;
    virtual void setGaugeMax(int max) = 0;
    virtual void setGaugePosition(int position) = 0;
    virtual void setBusyCursor(bool busy) = 0;
    // The system's error beep, sounded when a damaged packet is asked for again.
    virtual void beep() = 0;
    // Handle pending user-interface events once; the stop button runs in here.
    virtual void pumpEvents() = 0;
};

// A host that shows nothing, for programs without a window.
class QuietHost : public LinkHost {
public:
    void setStatus(const std::string &) override {}
    void setGaugeMax(int) override {}
    void setGaugePosition(int) override {}
    void setBusyCursor(bool) override {}
    void beep() override {}
    void pumpEvents() override {}
};

} // namespace vexil::link
