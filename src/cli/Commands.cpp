// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

namespace vexil::cli {

// Each command's entry point is defined in its own Cmd*.cpp file.
int RunTokens(const Words &words);
int RunBasic(const Words &words);

const std::vector<Command> &commands()
{
    static const std::vector<Command> table = {
        {"tokens",
         "tokens decode --model 82|83 [--raw] FILE\n"
         "tokens encode --model 82|83 [--raw] FILE [-o OUT]",
         RunTokens},
        {"basic",
         "basic export [--raw] FILE\n"
         "basic import TEXT --model 82|83 --name NAME [--protect] [--raw] -o OUT",
         RunBasic},
    };
    return table;
}

} // namespace vexil::cli
