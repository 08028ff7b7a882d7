// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli send: variable, group and backup files to a calculator on a cable.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "link/Link.h"
#include "link/transfer/CableDevice.h"
#include "link/transfer/SendOperations.h"
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

} // namespace

int RunSend(const Words &words)
{
    const CliArgs args(words, {"--cable"}, {});
    if (args.positional().empty())
        throw UsageError("send needs at least one file");
    const std::string cable = args.required("--cable");
    const auto device = link::transfer::ParseCableDevice(cable);
    if (!device)
        throw UsageError("--cable names no device: " + cable);

    link::transfer::TextProgress progress(std::cout);
    link::Link lnk(progress);
    progress.onPump = [&lnk] {
        if (interrupted.exchange(false))
            lnk.Cancel();
    };
    if (const std::string error = link::transfer::AttachCable(lnk, progress, *device);
        !error.empty()) {
        std::cerr << "vexil-cli send: " << error << '\n';
        return kExitBadInput;
    }
    std::signal(SIGINT, onInterrupt);

    std::vector<std::filesystem::path> files(args.positional().begin(), args.positional().end());
    link::TransferResult result;
    try {
        if (files.size() == 1) {
            progress.setCaption("Sending " + files[0].filename().string() + "...");
            result = link::transfer::SendAnyFile(lnk, progress, files[0]);
        } else {
            // A list goes out under one machine id: the model of its first file.
            const std::string ext = files[0].extension().string();
            lnk.MachineId = ext.size() >= 3 && ext[2] == '3' ? link::machine::kComputerTo83
                                                             : link::machine::kComputerTo82;
            result = link::transfer::SendFileList(lnk, progress, files);
        }
    } catch (const link::transfer::FileError &error) {
        progress.finishLine();
        std::signal(SIGINT, SIG_DFL);
        std::cerr << "vexil-cli send: " << error.what() << '\n';
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
