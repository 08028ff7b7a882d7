// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of `vexil`: the files to open, or a request for the usage or the
// release, which is answered before any window (or display) is needed.
#pragma once

#include <string>
#include <vector>

namespace vexil::app {

struct VexilCommandLine {
    enum class Request { Run, Help, Version };
    Request request = Request::Run;
    std::vector<std::string> files; // in the order given; "--" ends the options
};

// `arguments` without the program's own name. Qt's options (-platform, -style...) are
// removed by Qt before the files are read; here they count as files, which the caller
// ignores when it asks only for the request.
VexilCommandLine ParseVexilCommandLine(const std::vector<std::string> &arguments);

std::string VexilUsageText();

} // namespace vexil::app
