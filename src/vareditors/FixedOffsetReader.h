// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a single-entry variable file the way the editors do: from fixed offsets,
// without trusting the stored lengths. Every read checks the end of the buffer, so a
// short file turns into a failed read instead of a read past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vexil::vardata {

// Offsets every single-entry file shares.
inline constexpr std::size_t kModelOffset = 5;
inline constexpr std::size_t kTypeOffset = 59;
inline constexpr std::size_t kNameOffset = 60;
inline constexpr std::size_t kDataOffset = 70;

class FixedOffsetReader {
public:
    explicit FixedOffsetReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::optional<std::uint8_t> byteAt(std::size_t offset) const;
    // A little-endian 16-bit word.
    std::optional<std::uint16_t> wordAt(std::size_t offset) const;
    // `count` bytes from `offset`, or nothing when they do not all exist.
    std::optional<std::span<const std::uint8_t>> bytesAt(std::size_t offset,
                                                         std::size_t count) const;
    // True for a TI-82 file; a missing or unknown model byte counts as TI-83.
    bool isTI82() const;

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace vexil::vardata
