// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

namespace vexil::cli {

// Each command's entry point is defined in its own Cmd*.cpp file.

const std::vector<Command> &commands()
{
    static const std::vector<Command> table = {
    };
    return table;
}

} // namespace vexil::cli
