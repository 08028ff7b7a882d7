// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli receive: what the calculator sends from its link menu, into a folder.
#include "cli/CableRun.h"
#include "cli/Commands.h"

#include "link/ReceiveName.h"
#include "link/transfer/ReceiveVariables.h"

#include <iostream>

namespace vexil::cli {

namespace {

link::transfer::ExistsChoice ExistsChoice(const std::string &text)
{
    if (text == "omit") {
        return link::transfer::ExistsChoice::Omit;
    }
    if (text == "overwrite") {
        return link::transfer::ExistsChoice::Overwrite;
    }
    if (text == "quit") {
        return link::transfer::ExistsChoice::Quit;
    }
    throw UsageError("--exists is omit, overwrite or quit");
}

} // namespace

int RunReceive(const Words &words)
{
    const CliArgs args(words, {"--cable", "--exists", "--wait"}, {});
    args.expectPositional(1, 1);
    const std::filesystem::path folder = args.positional()[0];
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::cerr << "vexil-cli receive: " << folder.string() << " is not a folder\n";
        return kExitBadInput;
    }
    CableRun cable("receive", args);
    cable.progress().existsChoice = ExistsChoice(args.value("--exists").value_or("omit"));
    return cable.run([&] {
        return link::transfer::ReceiveVariables(cable.link(), cable.progress(), folder,
                                                link::MakeReceiveName);
    });
}

} // namespace vexil::cli
