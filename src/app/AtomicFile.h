// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file writes that never leave a half-written target: the bytes go to a
// temporary file in the same folder, which then replaces the target by rename.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vexil::app {

// The whole-file write of the variable files, for callers that report failures as
// text: returns an empty string on success, otherwise a sentence saying what failed.
std::string WriteFileAtomically(const std::filesystem::path &target,
                                std::span<const std::uint8_t> bytes);

} // namespace vexil::app
