// SPDX-License-Identifier: GPL-3.0-or-later
// The token lists arranged for fast lookup in both directions. Internal to the
// tokenizer; everyone else goes through TokenList.h and Tokenizer.h.
#pragma once

#include "tibasic/TokenList.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vexil::tibasic::detail {

struct Candidate {
    std::string_view text; // views into TokenLookup::entries, or a static alias
    std::uint16_t code;
};

struct TokenLookup {
    std::vector<TokenEntry> entries;
    std::array<std::int16_t, 256> oneByte{};  // index into entries; -1 for a group byte
    std::array<std::int8_t, 256> groupSlot{}; // index into secondByte; -1 for other bytes
    std::vector<std::array<std::int16_t, 256>> secondByte; // index into entries or -1
    // Encoding only ever compares the texts that start with the byte at hand, and
    // the first one that matches is the longest.
    std::array<std::vector<Candidate>, 256> byFirstByte;
    // The texts that end in a blank, without it ("Pause" for "Pause "), for text
    // written by people who leave that blank off at the end of a statement.
    std::unordered_map<std::string_view, std::uint16_t> withoutFinalBlank;
};

const TokenLookup &Lookup(CalcModel model);

} // namespace vexil::tibasic::detail
