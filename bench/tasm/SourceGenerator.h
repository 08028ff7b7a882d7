// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one synthetic program three times, in the spelling of tasm, pasmo and
// z80asm: labels, instructions, data, a macro, include files and (optionally) a
// large table of equates, as real calculator sources have.
#pragma once

#include <filesystem>
#include <string>

namespace vexil::tasm::bench {

enum class Dialect { Tasm, Pasmo, Z80asm };

struct GeneratedSource {
    std::filesystem::path main; // the file to assemble
    long lines = 0;             // lines over all files
};

// `blocks` blocks of 50 lines each, spread over ten include files (more for very
// long programs, which start again at 1000h when 64 KB would not hold them);
// `equates` extra `.equ` lines in an include file of their own, referred to by the
// program.
GeneratedSource GenerateSource(const std::filesystem::path &folder, Dialect dialect, int blocks,
                               int equates);

} // namespace vexil::tasm::bench
