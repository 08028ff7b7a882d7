// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks of one assembly run.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vexil::tasm {

enum class ObjectFormat {
    IntelHex,     // -g0, the default
    MosTechHex,   // -g1, -m
    MotorolaHex,  // -g2
    Binary,       // -g3, -b
    IntelWordHex, // -g4: addresses count 16-bit words
};

// Bits of the strict-check mask given with -a.
enum CheckBits : unsigned {
    kCheckIndirection = 1, // outer parentheses where the instruction has no indirect form
    kCheckUnusedData = 2,  // left-over high part of an instruction operand
    kCheckDuplicateLabel = 4,
    kCheckNonUnary = 8, // operand starting with a binary operator
};

struct Options {
    ObjectFormat objectFormat = ObjectFormat::IntelHex;
    bool contiguous = false;
    std::vector<std::pair<std::string, std::string>> defines; // -dNAME[=text]
    bool expandListing = false;                               // -e
    int fillByte = 0;                                         // -f
    bool hexDump = false;                                     // -h
    bool ignoreCase = false;                                  // -i
    bool labelTable = false;                                  // -l
    bool labelTableLocals = false;                            // -la
    bool labelTableLong = false;                              // -ll
    int pageLength = 0;                                       // -p, 0 = no paging
    bool quiet = false;                                       // -q
    bool symbolFile = false;                                  // -s
    unsigned classMask = 1;                                   // -x adds the HD64180 class
    bool undocumented = false;                                // -u
    unsigned checkMask = kCheckUnusedData | kCheckDuplicateLabel;
    int hexRecordBytes = 24; // -o
    // TASMERRFORMAT: a printf-style layout for error lines; empty for the default.
    std::string errorFormat;
    // Lines read per pass, includes counted each time; only a file that keeps
    // including itself gets near it.
    long maxSourceLines = 4000000;
};

} // namespace vexil::tasm
