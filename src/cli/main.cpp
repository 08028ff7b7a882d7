// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli: Vexil's calculator file core for scripts and Makefiles.
#include "base/Version.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include <iostream>

namespace {

// Prints a synopsis line by line: the first after `firstLead`, each further command
// after `nextLead`; a line starting with a blank continues the one above and is
// indented to line up under it.
void PrintSynopsis(std::ostream &out, const std::string &synopsis, const std::string &firstLead,
                   const std::string &nextLead)
{
    std::size_t start = 0;
    bool first = true;
    while (start <= synopsis.size()) {
        std::size_t end = synopsis.find('\n', start);
        if (end == std::string::npos) {
            end = synopsis.size();
        }
        const std::string line = synopsis.substr(start, end - start);
        const bool continuation = !first && line.starts_with(' ');
        out << (first          ? firstLead
                : continuation ? std::string(nextLead.size(), ' ')
                               : nextLead)
            << line << '\n';
        first = false;
        start = end + 1;
    }
}

void PrintUsage(std::ostream &out)
{
    out << "Usage: vexil-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const auto &command : vexil::cli::Commands()) {
        PrintSynopsis(out, command.synopsis, "  ", "  ");
    }
    out << "  --help, --version\n";
    out << "\nExit codes: 0 success, 1 bad input (nothing written), 2 usage error.\n";
}

} // namespace

int main(int argc, char **argv)
{
    using namespace vexil::cli;
    const Words words(argv + 1, argv + argc);
    if (words.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (words[0] == "--version") {
        std::cout << vexil::base::VersionText("vexil-cli");
        return kExitOk;
    }
    for (const auto &command : Commands()) {

        if (words[0] == command.name) {
            try {
                return command.run(Words(words.begin() + 1, words.end()));
            } catch (const UsageError &error) {
                std::cerr << "vexil-cli " << command.name << ": " << error.message() << "\n";
                PrintSynopsis(std::cerr, command.synopsis, "Usage: vexil-cli ",
                              "       vexil-cli ");
                return kExitUsage;
            }
        }
    }
    std::cerr << "vexil-cli: unknown command '" << words[0] << "'\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}
