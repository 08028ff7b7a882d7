// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads and crash-safe whole-file writes. A save goes to a temporary
// file in the target's folder and is renamed over the target only once every byte
// is on disk, so an interrupted save never leaves a half-written file behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vexil::varfile {

struct IoError {
    std::string message; // names the path and the operating system's reason
};

// Writes `bytes` to `target`, replacing it when it exists (its permissions are
// kept). Returns nothing on success; on failure the target is left untouched and
// no temporary file remains.
[[nodiscard]] std::optional<IoError> WriteFileAtomically(const std::filesystem::path &target,
                                                         std::span<const std::uint8_t> bytes);

struct ReadResult {
    std::vector<std::uint8_t> bytes;
    std::optional<IoError> error;
    bool ok() const { return !error.has_value(); }
};

ReadResult ReadWholeFile(const std::filesystem::path &path);

} // namespace vexil::varfile
