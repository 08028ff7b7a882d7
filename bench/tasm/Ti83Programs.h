// SPDX-License-Identifier: GPL-3.0-or-later
// The everyday case of a calculator programmer: small TI-83 programs, each
// including the system's include file of some 900 equates, written in the spelling
// of tasm, pasmo and z80asm.
#pragma once

#include "SourceGenerator.h"

#include <filesystem>
#include <string>

namespace vexil::tasm::bench {

// Writes into `folder`:
//   ti83asm.inc        the equates of `includeText` (tasm's own spelling) in `dialect`
//   comments.inc       as many lines and bytes as ti83asm.inc, every one a comment
//   prog00.asm ...     `programs` programs of about 150 lines that call the system
//   equates.asm        a program of one instruction that includes ti83asm.inc
//   comments.asm       the same, including comments.inc instead
void WriteTi83Programs(const std::filesystem::path &folder, Dialect dialect, int programs,
                       const std::string &includeText);

// "prog07.asm" and the like.
std::string ProgramName(int index);

} // namespace vexil::tasm::bench
