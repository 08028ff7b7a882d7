// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program over an in-memory file system. The first byte picks options;
// the rest is the source, also reachable as an include file so include chains and
// loops get exercised.
#include "tasm/Tasm.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1 || size > 16384) {
        return 0;
    }
    const std::uint8_t flags = data[0];
    std::string source(reinterpret_cast<const char *>(data + 1), size - 1);

    vexil::tasm::MemoryFileSystem fs;
    fs.files["f.asm"] = source;
    fs.files["inc/I.INC"] = source;
    std::vector<std::string> args{"-80"};
    if (flags & 1) {
        args.push_back("-i");
    }
    if (flags & 2) {
        args.push_back("-u");
    }
    if (flags & 4) {
        args.push_back("-x");
    }
    if (flags & 8) {
        args.push_back("-lal");
    }
    if (flags & 16) {
        args.push_back("-e");
    }
    if (flags & 32) {
        args.push_back("-p7");
    }
    if (flags & 64) {
        args.push_back("-a");
    }
    args.push_back((flags & 128) ? "-b" : "-h");
    args.push_back("-s");
    args.push_back("f.asm");
    vexil::tasm::Environment env;
    env.tasmInc = "inc";
    std::string console;
    vexil::tasm::RunTasm(args, env, fs, console);
    return 0;
}
