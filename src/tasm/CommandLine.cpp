// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/CommandLine.h"

#include "base/AsciiText.h"

#include <cctype>
#include <cstdlib>

namespace vexil::tasm {

namespace {

bool ParseHex(const std::string &text, unsigned &value)
{
    if (text.empty() || text.size() > 8 ||
        text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return false;
    }
    value = static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 16));
    return true;
}

bool AllDigits(const std::string &text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// -g<n>, read as the old assembler read numbers: leading digits, anything after them
// ignored, none at all being 0. A number it did not know meant Intel hex.
ObjectFormat ObjectFormatNumber(const std::string &text)
{
    static constexpr ObjectFormat kFormats[] = {
        ObjectFormat::IntelHex, ObjectFormat::MosTechHex,   ObjectFormat::MotorolaHex,
        ObjectFormat::Binary,   ObjectFormat::IntelWordHex,
    };
    std::string digits = text.substr(0, text.find_first_not_of("0123456789"));
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.size() != 1 || digits[0] > '4') {
        return ObjectFormat::IntelHex;
    }
    return kFormats[digits[0] - '0'];
}

void Unknown(CommandLine &cl, const std::string &arg)
{
    cl.notices.push_back("tasm: unknown option flag = " + arg);
}

void TableOption(CommandLine &cl, const std::string &arg, const std::string &table)
{
    if (table != "80") {
        cl.fatal = FatalError{
            "tasm: table not available: " + arg + " (only the Z80 table, -80, is built in)", 3};
    }
}

void Option(CommandLine &cl, const std::string &arg)
{
    Options &o = cl.options;
    char letter = arg[1];
    std::string rest = arg.substr(2);
    if (std::isdigit(static_cast<unsigned char>(letter))) {
        TableOption(cl, arg, arg.substr(1));
        return;
    }
    if (letter == 'y') {
        return; // timing: nothing to show
    }
    unsigned hex = 0;
    switch (base::AsciiUpper(letter)) {
    case 'T':
        TableOption(cl, arg, rest);
        return;
    case 'A':
        if (rest.empty()) {
            o.checkMask = 0xFF;
        } else if (ParseHex(rest, hex)) {
            o.checkMask = hex;
        } else {
            Unknown(cl, arg);
        }
        return;
    case 'B':
        o.objectFormat = ObjectFormat::Binary;
        o.contiguous = true;
        return;
    case 'C':
        o.contiguous = true;
        return;
    case 'D': {
        if (rest.empty()) {
            Unknown(cl, arg);
            return;
        }
        auto eq = rest.find('=');
        if (eq == std::string::npos) {
            o.defines.emplace_back(rest, "");
        } else {
            o.defines.emplace_back(rest.substr(0, eq), rest.substr(eq + 1));
        }
        return;
    }
    case 'E':
        o.expandListing = true;
        return;
    case 'F':
        if (rest.empty()) {
            o.fillByte = 0;
        } else if (ParseHex(rest, hex)) {
            o.fillByte = static_cast<int>(hex & 0xFF);
        } else {
            Unknown(cl, arg);
        }
        return;
    case 'G':
        o.objectFormat = ObjectFormatNumber(rest);
        return;
    case 'H':
        o.hexDump = true;
        return;
    case 'I':
        o.ignoreCase = true;
        return;
    case 'L':
        o.labelTable = true;
        for (char c : rest) {
            char upper = base::AsciiUpper(c);
            if (upper == 'A') {
                o.labelTableLocals = true;
            } else if (upper == 'L') {
                o.labelTableLong = true;
            }
        }
        return;
    case 'M':
        o.objectFormat = ObjectFormat::MosTechHex;
        return;
    case 'O':
        if (ParseHex(rest, hex) && hex >= 1 && hex <= 0xFF) {
            o.hexRecordBytes = static_cast<int>(hex);
        } else {
            Unknown(cl, arg);
        }
        return;
    case 'P': {
        int length = 60;
        if (AllDigits(rest) && rest.size() <= 3) {
            int n = std::atoi(rest.c_str());
            if (n >= 5 && n <= 256) {
                length = n;
            }
        }
        o.pageLength = length;
        return;
    }
    case 'Q':
        o.quiet = true;
        return;
    case 'S':
        o.symbolFile = true;
        return;
    case 'U':
        o.undocumented = true;
        return;
    case 'X':
        if (rest.empty()) {
            o.classMask = 0xFF;
        } else if (ParseHex(rest, hex)) {
            o.classMask = hex | 1u;
        } else {
            Unknown(cl, arg);
        }
        return;
    case 'Z':
        return;
    default:
        // -r (read-buffer size) included: old batch files pass it, and it means
        // nothing any more.
        Unknown(cl, arg);
        return;
    }
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string> &args)
{
    CommandLine cl;
    for (const auto &arg : args) {
        if (arg == "--help" || arg == "-?") {
            cl.help = true;
            continue;
        }
        if (arg == "--version") {
            cl.version = true;
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-') {
            Option(cl, arg);
            continue;
        }
        if (arg.size() <= 2) {
            cl.fatal =
                FatalError{"tasm: file name too short (possibly garbled option flag): " + arg, 4};
            continue;
        }
        cl.files.push_back(arg);
    }
    return cl;
}

std::string DefaultName(const std::string &source, const std::string &extension)
{
    auto slash = source.rfind('/');
    auto dot = source.rfind('.');
    std::string base = source;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash + 1)) {
        base = source.substr(0, dot);
    }
    return base + extension;
}

} // namespace vexil::tasm
