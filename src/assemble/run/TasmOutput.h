// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the assembler's standard output into the lines of a source window's
// error list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexil::assemble::run {

// Drops the two banner lines and the two pass lines, and lower-cases the rest, which
// leaves lines of the form "<file> line <nnnn>: <message>" (and the error count).
// Output of fewer than two lines gives an empty list. CR LF and LF both end a line.
std::vector<std::string> ReadTasmErrorLines(std::string_view output);

} // namespace vexil::assemble::run
