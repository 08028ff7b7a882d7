// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli send: variable, group and backup files to a calculator on a cable.
#include "cli/CableRun.h"
#include "cli/Commands.h"

#include "link/transfer/SendOperations.h"

namespace vexil::cli {

int RunSend(const Words &words)
{
    const CliArgs args(words, {"--cable", "--wait"}, {});
    if (args.positional().empty()) {
        throw UsageError("send needs at least one file");
    }
    CableRun cable("send", args);
    const std::vector<std::filesystem::path> files(args.positional().begin(),
                                                   args.positional().end());
    return cable.run([&] {
        TextProgress &progress = cable.progress();
        if (files.size() == 1) {
            progress.setCaption("Sending " + files[0].filename().string() + "...");
            return link::transfer::SendAnyFile(cable.link(), progress, files[0]);
        }
        // A list goes out under one machine id: the model of its first file.
        const std::string ext = files[0].extension().string();
        cable.link().MachineId = ext.size() >= 3 && ext[2] == '3' ? link::machine::kComputerTo83
                                                                  : link::machine::kComputerTo82;
        return link::transfer::SendFileList(cable.link(), progress, files);
    });
}

} // namespace vexil::cli
