// SPDX-License-Identifier: GPL-3.0-or-later
// The checksum at the end of a variable file, read and repaired the way the Link
// Manager and `vexil-cli checksum` do it: the 16-bit sum of every byte from offset
// 55 up to the two last bytes, whatever the file's lengths claim. Nothing else of
// the file is looked at, so a damaged file whose entries no longer add up can
// still have its checksum put right.
#pragma once

#include "base/FileIo.h"
#include "varfile/CalcModel.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vexil::link::manager {

struct ChecksumReading {
    std::uint16_t stored = 0;   // the last two bytes, little-endian
    std::uint16_t computed = 0; // 0 for a file shorter than 57 bytes
    bool correct() const { return stored == computed; }
};

// Nothing for a file too short to hold the two checksum bytes.
std::optional<ChecksumReading> ReadChecksum(varfile::ByteView file);

struct ChecksumFix {
    std::optional<ChecksumReading> reading; // before the fix; empty when not read
    std::optional<base::IoError> error;     // why the file was left as it was
    bool fixed() const { return !error.has_value(); }
};

// Writes the computed sum over the last two bytes through a temporary file, so a
// failure leaves the file as it was. A file whose checksum is already right is
// not rewritten, nor is a file without a TI-82, TI-83 or TI-83 Plus signature (a
// damaged one laid out as such a file counts as one).
ChecksumFix FixChecksumFile(const std::filesystem::path &file);

// The messages of the Link Manager's Fix Checksum.
std::string ChecksumsUpdatedMessage(int fixedFiles); // for one or more files
std::string ChecksumNotFixedMessage(const std::string &fileName, const std::string &reason);

} // namespace vexil::link::manager
