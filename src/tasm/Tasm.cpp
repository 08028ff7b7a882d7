// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Tasm.h"

#include "tasm/Assembler.h"
#include "tasm/CommandLine.h"
#include "tasm/ObjectWriters.h"

#include "base/Version.h"

#include <new>
#include <sstream>

namespace vexil::tasm {

namespace {

std::string Banner()
{
    return std::string("Vexil tasm: Z80 assembler for TASM 3.x sources.          Version ") +
           base::VexilVersion() +
           "\n    Part of the Vexil development environment; GPL-3.0-or-later.\n";
}

std::vector<std::string> SplitWords(const std::string &text, char separator)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        bool split = separator == ' ' ? (c == ' ' || c == '\t' || c == '\n') : c == separator;
        if (split) {
            if (!word.empty()) {
                words.push_back(word);
            }
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

std::string FileArgument(const CommandLine &cl, std::size_t index, const char *extension)
{
    if (cl.files.size() > index) {
        return cl.files[index];
    }
    return DefaultName(cl.files[0], extension);
}

std::string WithoutDotSlash(std::string name)
{
    while (name.size() > 2 && name.compare(0, 2, "./") == 0) {
        name.erase(0, 2);
    }
    return name;
}

int Assemble(const CommandLine &cl, const Environment &env, FileSystem &fs, std::string &console)
{
    const std::string objectName = FileArgument(cl, 1, ".obj");
    const std::string listingName = FileArgument(cl, 2, ".lst");
    // A slip in a batch file (`tasm -80 -b prog.asm prog.asm`) must not replace the
    // source with its own object.
    for (std::size_t i = 1; i < cl.files.size(); ++i) {
        if (WithoutDotSlash(cl.files[i]) == WithoutDotSlash(cl.files[0])) {
            console += "tasm: output file is the source file: " + cl.files[i] + "\n";
            return kExitFileAccess;
        }
    }
    auto openError = [&](const std::string &name) {
        console += "tasm: file open error on " + name + "\n";
        return false;
    };
    auto writeOrFail = [&](const std::string &name, const std::string &data) {
        return fs.write(name, data) || openError(name);
    };

    Options options = cl.options;
    options.errorFormat = env.tasmErrFormat;
    Assembler assembler(options, fs, SplitWords(env.tasmInc, ':'), console);
    AssemblyResult result = assembler.run(cl.files[0], listingName);
    if (result.fatal) {
        // The old assembler had truncated both files before reading a line; a good
        // object from the last run is worth more than an empty one. A listing begun
        // in the second pass is dropped with `result`.
        return result.fatal->exitCode;
    }
    bool written = writeOrFail(objectName, ObjectFile(*result.image, options)) &&
                   (result.listing->commit() || openError(listingName));
    if (written && !result.exports.empty()) {
        written = writeOrFail(FileArgument(cl, 3, ".exp"), result.exports);
    }
    if (written && result.wantsSymbolFile) {
        written = writeOrFail(FileArgument(cl, 4, ".sym"), result.symbols);
    }
    if (!written) {
        return kExitFileAccess;
    }
    return result.errorCount > 0 ? kExitErrors : kExitOk;
}

} // namespace

std::string HelpText()
{
    return "Usage: tasm -80 [options] source [object [listing [export [symbols]]]]\n"
           "  -80        the Z80 instruction table (the only one; the default)\n"
           "  -a[hex]    strict checks: 1 indirection, 2 unused operand data (default),\n"
           "             4 duplicate labels (default), 8 leading binary operator\n"
           "  -b         binary image object file (same as -g3 -c)\n"
           "  -c         contiguous object from the lowest to the highest address\n"
           "  -dNAME[=text]  define a macro\n"
           "  -e         list the expanded first statement of macro lines\n"
           "  -f[hex]    fill byte for gaps in the image\n"
           "  -g<n>      object format: 0 Intel hex (default), 1 MOS Technology hex,\n"
           "             2 Motorola hex, 3 binary, 4 Intel hex with word addresses\n"
           "  -h         append a hex dump to the listing\n"
           "  -i         labels are case-insensitive\n"
           "  -l[a][l]   label table in the listing: a with local labels, l long form\n"
           "  -m         MOS Technology hex object (same as -g1)\n"
           "  -o<hex>    data bytes per hex record (default 18)\n"
           "  -p[n]      page the listing every n lines (default 60)\n"
           "  -q         no listing until a .LIST directive\n"
           "  -s         write the symbol file\n"
           "  -u         accept the undocumented Z80 instructions (SLL, IXH/IXL/IYH/IYL,\n"
           "             IN (C), OUT (C),0)\n"
           "  -x[hex]    extended instruction classes (-x: the HD64180 set)\n"
           "  -r, -y, -z accepted for old batch files; they change nothing\n"
           "  --help     this list; --version: the release\n"
           "Environment: TASMOPTS (more options), TASMINC (colon-separated include folders),\n"
           "             TASMERRFORMAT (error line layout: file %s, line %d, message %s,\n"
           "             detail %s; \\n is a line break)\n"
           "Exit codes: 0 no errors, 1 assembly errors, 2 out of memory,\n"
           "            3 file access failure, 4 other fatal error\n";
}

int RunTasm(const std::vector<std::string> &args, const Environment &env, FileSystem &fs,
            std::string &console)
{
    try {
        std::vector<std::string> all = args;
        for (auto &word : SplitWords(env.tasmOpts, ' ')) {
            all.push_back(word);
        }
        CommandLine cl = ParseCommandLine(all);
        for (const auto &notice : cl.notices) {
            console += notice + "\n";
        }
        if (cl.version) {
            console += base::VersionText("tasm");
            return kExitOk;
        }
        if (cl.help) {
            console += HelpText();
            return kExitOk;
        }
        console += Banner();
        if (cl.fatal) {
            console += cl.fatal->message + "\n";
            return cl.fatal->exitCode;
        }
        if (cl.files.empty()) {
            console += "tasm: no source file given (tasm --help lists the options)\n";
            return kExitFileAccess;
        }
        return Assemble(cl, env, fs, console);
    } catch (const std::bad_alloc &) {
        console += "tasm: out of memory\n";
        return kExitOutOfMemory;
    }
}

} // namespace vexil::tasm
