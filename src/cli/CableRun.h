// SPDX-License-Identifier: GPL-3.0-or-later
// One transfer over the cable a command's --cable option names, shared by send
// and receive: the text progress, Ctrl+C as the stop button, and the result
// message and exit code.
#pragma once

#include "cli/CliArgs.h"
#include "cli/TextProgress.h"
#include "link/Link.h"
#include "link/LinkDevice.h"
#include "link/TransferResult.h"

#include <functional>
#include <string>

namespace vexil::cli {

class CableRun {
public:
    // `command` prefixes the messages; a missing or unknown --cable is a usage error.
    CableRun(std::string command, const CliArgs &args);

    TextProgress &progress() { return progress_; }
    link::Link &link() { return link_; }

    // Attaches the cable and runs `transfer`; returns the exit code. A file that
    // cannot be read or written ends the run with its message; `resultText` words
    // the outcome.
    int run(const std::function<link::TransferResult()> &transfer,
            const std::function<std::string(link::TransferResult)> &resultText = ResultText);

private:
    std::string command_;
    link::LinkDevice device_;
    TextProgress progress_;
    link::Link link_;
};

} // namespace vexil::cli
