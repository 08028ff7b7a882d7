// SPDX-License-Identifier: GPL-3.0-or-later
// The token lists as they are written down in the source: byte 0x80-0xFF of a text
// is spelled {XX} so that every row reads like the glyph chart it was copied from.
// TokenList.cpp expands them once into the 8-bit texts everything else uses.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace vexil::tibasic::tables {

struct RawToken {
    std::uint16_t code;
    const char *text; // nullptr: the code is a group byte
};

// Indexed by byte; nullptr marks a group byte.
extern const std::array<const char *, 256> kTI82OneByte;
extern const std::span<const RawToken> kTI82TwoByte;
// The TI-83 one-byte list is the TI-82 one with these codes replaced.
extern const std::span<const RawToken> kTI83OneByteChanges;
extern const std::span<const RawToken> kTI83TwoByte;

} // namespace vexil::tibasic::tables
