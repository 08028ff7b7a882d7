// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli: Vexil's calculator file core for scripts and Makefiles.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include <iostream>

namespace {

void printUsage(std::ostream &out)
{
    out << "Usage: vexil-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const auto &command : vexil::cli::commands()) {
        std::string synopsis = command.synopsis;
        std::size_t start = 0;
        while (start <= synopsis.size()) {
            std::size_t end = synopsis.find('\n', start);
            if (end == std::string::npos) {
                end = synopsis.size();
            }
            out << "  " << synopsis.substr(start, end - start) << '\n';
            start = end + 1;
        }
    }
    out << "\nExit codes: 0 success, 1 bad input (nothing written), 2 usage error.\n";
}

} // namespace

int main(int argc, char **argv)
{
    using namespace vexil::cli;
    const Words words(argv + 1, argv + argc);
    if (words.empty()) {
        printUsage(std::cerr);
        return kExitUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        printUsage(std::cout);
        return kExitOk;
    }
    for (const auto &command : commands()) {
        if (words[0] == command.name) {
            try {
                return command.run(Words(words.begin() + 1, words.end()));
            } catch (const UsageError &error) {
                std::cerr << "vexil-cli " << command.name << ": " << error.message() << "\n"
                          << "Usage: vexil-cli " << command.synopsis << '\n';
                return kExitUsage;
            }
        }
    }
    std::cerr << "vexil-cli: unknown command '" << words[0] << "'\n";
    printUsage(std::cerr);
    return kExitUsage;
}
