// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads and crash-safe whole-file writes. A save goes to a temporary
// file in the target's folder and is renamed over the target only once every byte
// is on disk, so an interrupted save never leaves a half-written file behind.
#pragma once

#include <cstddef>
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
// kept; a symbolic link is followed to the file it names). A file without write
// permission is refused as an ordinary write would be. Returns nothing on success;
// on failure the target is left untouched and no temporary file remains.
[[nodiscard]] std::optional<IoError> WriteFileAtomically(const std::filesystem::path &target,
                                                         std::span<const std::uint8_t> bytes);

struct ReadResult {
    std::vector<std::uint8_t> bytes;
    std::optional<IoError> error;
    bool ok() const { return !error.has_value(); }
};

// Nothing the calculators hold comes near this; the limit keeps a device such as
// /dev/zero or an endless pipe from growing the buffer until memory runs out.
inline constexpr std::size_t kReadLimit = 64u << 20;

// A file larger than `limit` is an error, not a partial read.
ReadResult ReadWholeFile(const std::filesystem::path &path, std::size_t limit = kReadLimit);

} // namespace vexil::varfile
