// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/TokenRoundTrip.h"

#include "tibasic/TokenLookup.h"
#include "tibasic/Tokenizer.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace vexil::tibasic {

namespace {

struct DecodedToken {
    std::size_t byteOffset;
    std::size_t textOffset;
    std::optional<std::uint16_t> code; // nothing: the bytes produced no text
};

} // namespace

TokenRoundTrip CheckTokenRoundTrip(CalcModel model, std::span<const std::uint8_t> tokens)
{
    // Decode while remembering where each token's text starts, then let the
    // encoder loose on the text at each of those places: the stream is reversible
    // exactly when it picks the original token every time. After a mismatch the
    // check goes on at the next original token, so each place is counted once.
    const detail::TokenLookup &lookup = detail::Lookup(model);
    std::string text;
    std::vector<DecodedToken> decoded;
    decoded.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        DecodedToken token{i, text.size(), std::nullopt};
        std::int16_t index = lookup.oneByte[tokens[i]];
        if (const std::int8_t slot = lookup.groupSlot[tokens[i]]; slot >= 0) {
            index = ++i < tokens.size() ? lookup.secondByte[slot][tokens[i]] : -1;
        }
        if (index >= 0) {
            token.code = lookup.entries[index].code;
            text += lookup.entries[index].text;
        }
        decoded.push_back(token);
    }

    TokenRoundTrip check;
    for (const DecodedToken &token : decoded) {
        const std::optional<TokenMatch> match =
            token.code ? MatchToken(model, text, token.textOffset) : std::nullopt;
        if (!match || match->code != *token.code) {
            if (check.places++ == 0) {
                check.firstOffset = token.byteOffset;
            }
        }
    }
    return check;
}

std::string IrreversibleTokensMessage(const TokenRoundTrip &check, std::size_t streamOffset)
{
    const std::size_t offset = streamOffset + check.firstOffset;
    char hex[24];
    std::snprintf(hex, sizeof hex, "%zX", offset);
    const std::string where = "byte offset " + std::to_string(offset) + " (0x" + hex + ")";
    std::string message = "The tokens do not decode reversibly at " + std::to_string(check.places);
    message += check.places == 1 ? " place, at " + where : " places, the first at " + where;
    return message + ": an assembly program or tokens of another calculator?";
}

} // namespace vexil::tibasic
