// SPDX-License-Identifier: GPL-3.0-or-later
// The options the token and program commands share: which calculator, and
// whether text is UTF-8 or the calculator's own 8-bit characters.
#pragma once

#include "cli/CliArgs.h"
#include "tibasic/ProgramText.h"

namespace vexil::cli {

// --model 82|83, required; anything else is a usage error.
tibasic::CalcModel ModelOption(const CliArgs &args);

// --raw selects the 8-bit text with CR LF line breaks.
tibasic::TextForm FormOption(const CliArgs &args);

} // namespace vexil::cli
