// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a token stream survives being shown as text and saved again. Editors
// show programs, strings and equations as text and encode that text when they
// save; bytes that no token uses, two-byte codes without an entry and tokens that
// longest match would merge with their neighbours do not come back. Every loader
// of tokenized data asks here before it lets the user edit, so such bytes are
// never replaced without the user having been told.
#pragma once

#include "tibasic/TokenList.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vexil::tibasic {

struct TokenRoundTrip {
    std::size_t places = 0;      // tokens that do not encode back to themselves
    std::size_t firstOffset = 0; // byte offset in the stream of the first of them

    bool reversible() const { return places == 0; }
};

TokenRoundTrip CheckTokenRoundTrip(CalcModel model, std::span<const std::uint8_t> tokens);

// What the user is told about an irreversible stream. `streamOffset` is where the
// stream starts in the file the user has, so the offset shown is one into that file.
std::string IrreversibleTokensMessage(const TokenRoundTrip &check, std::size_t streamOffset);

} // namespace vexil::tibasic
