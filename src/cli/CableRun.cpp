// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CableRun.h"

#include "cli/Commands.h"
#include "link/transfer/CableDevice.h"
#include "link/transfer/TransferView.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iostream>

namespace vexil::cli {

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int)
{
    interrupted = true;
}

// --wait SECONDS: how long to wait where the calculator's user has to act
// first. Without it those waits end only on data or Ctrl+C.
int UserWaitOption(const CliArgs &args)
{
    const auto text = args.value("--wait");
    if (!text) {
        return 0;
    }
    char *end = nullptr;
    const double seconds = std::strtod(text->c_str(), &end);
    if (text->empty() || *end != '\0' || !(seconds > 0) || seconds > 86400) {
        throw UsageError("--wait needs a number of seconds, more than 0: " + *text);
    }
    return std::max(1, static_cast<int>(seconds * 1000));
}

link::LinkDevice DeviceOption(const CliArgs &args)
{
    const std::string cable = args.required("--cable");
    const auto device = link::transfer::ParseCableDevice(cable);
    if (!device) {
        throw UsageError("--cable names no device: " + cable);
    }
    return *device;
}

// Ctrl+C stops the transfer the way the stop button does, so the calculator
// is left in a state it recovers from; the default comes back afterwards.
class InterruptAsCancel {
public:
    InterruptAsCancel()
    {
        interrupted = false;
        std::signal(SIGINT, OnInterrupt);
    }
    ~InterruptAsCancel() { std::signal(SIGINT, SIG_DFL); }
    InterruptAsCancel(const InterruptAsCancel &) = delete;
    InterruptAsCancel &operator=(const InterruptAsCancel &) = delete;
};

} // namespace

CableRun::CableRun(std::string command, const CliArgs &args)
    : command_(std::move(command)), device_(DeviceOption(args)), progress_(std::cout),
      link_(progress_)
{
    link_.UserWaitMs = UserWaitOption(args);
    progress_.onPump = [this] {
        if (interrupted.exchange(false)) {
            link_.Cancel();
        }
    };
}

int CableRun::run(const std::function<link::TransferResult()> &transfer,
                  const std::function<std::string(link::TransferResult)> &resultText)
{
    if (const std::string error = link::transfer::AttachCable(link_, progress_, device_);
        !error.empty()) {
        std::cerr << "vexil-cli " << command_ << ": " << error << '\n';
        return kExitBadInput;
    }
    link::TransferResult result;
    {
        const InterruptAsCancel interruptAsCancel;
        try {
            result = transfer();
        } catch (const link::transfer::FileError &error) {
            progress_.finishLine();
            std::cerr << "vexil-cli " << command_ << ": " << error.what() << '\n';
            return kExitBadInput;
        }
        link_.ReleaseLines();
    }
    progress_.finishLine();
    (result == link::TransferResult::Ok ? std::cout : std::cerr) << resultText(result) << '\n';
    return result == link::TransferResult::Ok ? kExitOk : kExitBadInput;
}

} // namespace vexil::cli
