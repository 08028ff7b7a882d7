// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli receive: what the calculator sends from its link menu, into a folder.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "link/Link.h"
#include "link/ReceiveName.h"
#include "link/transfer/CableDevice.h"
#include "link/transfer/ReceiveVariables.h"
#include "link/transfer/TextProgress.h"

#include <atomic>
#include <csignal>
#include <iostream>

namespace vexil::cli {

namespace {

std::atomic<bool> interrupted{false};

void onInterrupt(int)
{
    interrupted = true;
}

link::transfer::ExistsChoice existsChoice(const std::string &text)
{
    if (text == "omit")
        return link::transfer::ExistsChoice::Omit;
    if (text == "overwrite")
        return link::transfer::ExistsChoice::Overwrite;
    if (text == "quit")
        return link::transfer::ExistsChoice::Quit;
    throw UsageError("--exists is omit, overwrite or quit");
}

} // namespace

int RunReceive(const Words &words)
{
    const CliArgs args(words, {"--cable", "--exists"}, {});
    args.expectPositional(1, 1);
    const std::filesystem::path folder = args.positional()[0];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::cerr << "vexil-cli receive: " << folder.string() << " is not a folder\n";
        return kExitBadInput;
    }
    const std::string cable = args.required("--cable");
    const auto device = link::transfer::ParseCableDevice(cable);
    if (!device)
        throw UsageError("--cable names no device: " + cable);

    link::transfer::TextProgress progress(std::cout);
    progress.existsChoice = existsChoice(args.value("--exists").value_or("omit"));
    link::Link lnk(progress);
    progress.onPump = [&lnk] {
        if (interrupted.exchange(false))
            lnk.Cancel();
    };
    if (const std::string error = link::transfer::AttachCable(lnk, progress, *device);
        !error.empty()) {
        std::cerr << "vexil-cli receive: " << error << '\n';
        return kExitBadInput;
    }
    std::signal(SIGINT, onInterrupt);
    link::TransferResult result;
    try {
        result = link::transfer::ReceiveVariables(lnk, progress, folder, link::MakeReceiveName);
    } catch (const link::transfer::FileError &error) {
        progress.finishLine();
        std::signal(SIGINT, SIG_DFL);
        std::cerr << "vexil-cli receive: " << error.what() << '\n';
        return kExitBadInput;
    }
    lnk.ReleaseLines();
    std::signal(SIGINT, SIG_DFL);
    progress.finishLine();
    (result == link::TransferResult::Ok ? std::cout : std::cerr)
        << link::transfer::ResultText(result) << '\n';
    return result == link::TransferResult::Ok ? kExitOk : kExitBadInput;
}

} // namespace vexil::cli
