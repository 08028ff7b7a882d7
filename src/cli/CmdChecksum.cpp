// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli checksum: the stored and the computed checksum of each file, and with
// --fix the computed one written over the stored one, as the Link Manager's Fix
// Checksum does.
#include "cli/CliArgs.h"
#include "cli/Commands.h"

#include "link/manager/Checksum.h"

#include <cstdio>
#include <iostream>

namespace vexil::cli {

namespace {

using link::manager::ChecksumReading;

std::string Hex4(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

void PrintReading(const std::string &path, const ChecksumReading &reading, const char *verdict)
{
    std::cout << path << ": stored " << Hex4(reading.stored) << ", computed "
              << Hex4(reading.computed) << ", " << verdict << '\n';
}

// Returns whether the file's checksum is right (or, with `fix`, is right now).
bool Check(const std::string &path, bool fix)
{
    if (fix) {
        const link::manager::ChecksumFix result = link::manager::FixChecksumFile(path);
        if (!result.fixed()) {
            std::cerr << "vexil-cli checksum: " << result.error->message << '\n';
            return false;
        }
        PrintReading(path, *result.reading, result.reading->correct() ? "correct" : "fixed");
        return true;
    }
    const base::ReadResult read = base::ReadWholeFile(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli checksum: " << read.error->message << '\n';
        return false;
    }
    const std::optional<ChecksumReading> reading = link::manager::ReadChecksum(read.bytes);
    if (!reading) {
        std::cerr << "vexil-cli checksum: " << path << " is too short to hold a checksum\n";
        return false;
    }
    PrintReading(path, *reading, reading->correct() ? "correct" : "wrong");
    return reading->correct();
}

} // namespace

int RunChecksum(const Words &words)
{
    const CliArgs args(words, {}, {"--fix"});
    args.expectPositional(1, SIZE_MAX);
    bool allRight = true;
    for (const std::string &path : args.positional()) {
        allRight = Check(path, args.flag("--fix")) && allRight;
    }
    return allRight ? kExitOk : kExitBadInput;
}

} // namespace vexil::cli
