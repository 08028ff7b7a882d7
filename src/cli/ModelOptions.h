// SPDX-License-Identifier: GPL-3.0-or-later
// The options the token and program commands share: which calculator, whether
// text is UTF-8 or the calculator's own 8-bit characters, how strictly text is
// read, and whether tokens that do not decode reversibly may be decoded anyway.
#pragma once

#include "cli/CliArgs.h"
#include "tibasic/ProgramText.h"

#include <cstddef>
#include <string>

namespace vexil::cli {

// --model 82|83, required; anything else is a usage error.
tibasic::CalcModel ModelOption(const CliArgs &args);

// --raw selects the 8-bit text with CR LF line breaks.
tibasic::TextForm FormOption(const CliArgs &args);

// --exact reads text exactly as the editors save it; without it the spellings of
// TI-BASIC text on the web are accepted too.
tibasic::TextRules RulesOption(const CliArgs &args);

// Whether `tokens` (at `streamOffset` in the file `path`) may be decoded: true when
// they decode reversibly, or with --lossy after a warning. Otherwise the reason is
// on standard error and the command should exit with kExitBadInput.
bool AcceptRoundTrip(const std::string &path, tibasic::CalcModel model,
                     std::span<const std::uint8_t> tokens, std::size_t streamOffset,
                     const CliArgs &args);

} // namespace vexil::cli
