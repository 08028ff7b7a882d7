// SPDX-License-Identifier: GPL-3.0-or-later
// Progress of a transfer as text, for programs without a window: each new status
// on a line of its own, the gauge as a bar redrawn in place.
#pragma once

#include "link/LinkHost.h"
#include "link/TransferResult.h"
#include "link/transfer/TransferView.h"

#include <functional>
#include <ostream>

namespace vexil::cli {

class TextProgress final : public link::LinkHost, public link::transfer::TransferView {
public:
    explicit TextProgress(std::ostream &out) : out_(out) {}

    // Called from every event pump (a signal flag for Ctrl+C, for one).
    std::function<void()> onPump;
    // What to do with a received variable whose file exists.
    link::transfer::ExistsChoice existsChoice = link::transfer::ExistsChoice::Omit;

    void setStatus(const std::string &text) override;
    void setGaugeMax(int max) override;
    void setGaugePosition(int position) override;
    void setBusyCursor(bool) override {}
    void beep() override {}
    void pumpEvents() override
    {
        if (onPump) {
            onPump();
        }
    }

    void setCaption(const std::string &caption) override;
    void setFileNumber(const std::string &text) override;
    void showDescription(const std::string &text) override;
    void hideDescription() override {}
    link::transfer::ExistsAnswer askExists(const std::string &message) override;

    // Ends a bar that is being drawn, so the next output starts on a new line.
    void finishLine();

private:
    void line(const std::string &text);

    std::ostream &out_;
    std::string lastStatus_;
    int max_ = 0;
    int shownPercent_ = -1;
    bool barOpen_ = false;
};

// The bar for `position` of `max`: "[##########          ]  50%".
std::string ProgressBar(int position, int max);

} // namespace vexil::cli

namespace vexil::cli {

// One line for the outcome: the dialog's message without its trailing spaces,
// or what a refusal or success means.
std::string ResultText(link::TransferResult result);

} // namespace vexil::cli
