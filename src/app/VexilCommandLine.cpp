// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VexilCommandLine.h"

namespace vexil::app {

VexilCommandLine ParseVexilCommandLine(const std::vector<std::string> &arguments)
{
    VexilCommandLine result;
    bool optionsEnded = false;
    for (const std::string &argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            result.request = VexilCommandLine::Request::Help;
            return result;
        } else if (!optionsEnded && argument == "--version") {
            result.request = VexilCommandLine::Request::Version;
            return result;
        } else {
            result.files.push_back(argument);
        }
    }
    return result;
}

std::string VexilUsageText()
{
    return "Usage: vexil [OPTION] [FILE...]\n"
           "Starts Vexil, the TI-82 and TI-83 development environment, and opens each\n"
           "FILE: assembler sources, text files and calculator variable files.\n"
           "\n"
           "  -h, --help  this text\n"
           "  --version   the release\n"
           "  --          every argument after it is a file, even one starting with -\n"
           "\n"
           "Qt's own options (-platform, -style, ...) apply as well. The options, the\n"
           "shells' include files and the build script are kept in $XDG_DATA_HOME/vexil\n"
           "(~/.local/share/vexil). The help pages are under Help > Help Topics (F1).\n";
}

} // namespace vexil::app
