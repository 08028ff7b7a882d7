// SPDX-License-Identifier: GPL-3.0-or-later
// Where a received variable is written. The folder may hold anything, a
// symbolic link planted under a variable's name among it, so a received file
// never follows one: it replaces the link itself, or is refused.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace vexil::link::transfer {

// Whether something is at `path` without following a link there: a dangling
// link exists too.
bool ReceivedFileExists(const std::filesystem::path &path);

// Writes `bytes` as the file `path`, replacing a regular file (whose
// permissions are kept) or a symbolic link (the link, never what it names).
// A folder, device or FIFO of that name is refused and left as it is. Throws
// FileError with the path and the reason.
void WriteReceivedFile(const std::filesystem::path &path, std::span<const uint8_t> bytes);

} // namespace vexil::link::transfer
