// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Tasm.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    vexil::tasm::Environment env;
    if (const char *opts = std::getenv("TASMOPTS")) {
        env.tasmOpts = opts;
    }
    if (const char *inc = std::getenv("TASMINC")) {
        env.tasmInc = inc;
    }
    if (const char *format = std::getenv("TASMERRFORMAT")) {
        env.tasmErrFormat = format;
    }
    vexil::tasm::DiskFileSystem fs;
    std::string console;
    int code = vexil::tasm::RunTasm(args, env, fs, console);
    std::fwrite(console.data(), 1, console.size(), stdout);
    return code;
}
