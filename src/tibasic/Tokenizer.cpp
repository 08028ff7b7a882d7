// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/Tokenizer.h"

#include "tibasic/TokenLookup.h"

namespace vexil::tibasic {

namespace {

std::optional<TokenMatch> MatchIn(const detail::TokenLookup &lookup, std::string_view text,
                                  std::size_t position)
{
    if (position >= text.size()) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(position);
    for (const detail::Candidate &candidate :
         lookup.byFirstByte[static_cast<unsigned char>(rest.front())]) {
        if (rest.starts_with(candidate.text)) {
            return TokenMatch{candidate.code, candidate.text.size()};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<TokenMatch> MatchToken(CalcModel model, std::string_view text, std::size_t position)
{
    return MatchIn(detail::Lookup(model), text, position);
}

void AppendTokenCode(std::vector<std::uint8_t> &tokens, std::uint16_t code)
{
    if (code > 0xFF) {
        tokens.push_back(static_cast<std::uint8_t>(code >> 8));
    }
    tokens.push_back(static_cast<std::uint8_t>(code & 0xFF));
}

std::string DecodeTokens(CalcModel model, std::span<const std::uint8_t> tokens)
{
    const detail::TokenLookup &lookup = detail::Lookup(model);
    std::string text;
    text.reserve(tokens.size() * 2);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::uint8_t byte = tokens[i];
        std::int16_t index = lookup.oneByte[byte];
        if (const std::int8_t slot = lookup.groupSlot[byte]; slot >= 0) {
            if (++i >= tokens.size()) {
                break;
            }
            index = lookup.secondByte[slot][tokens[i]];
        }
        if (index >= 0) {
            text += lookup.entries[index].text;
        }
    }
    return text;
}

EncodeResult EncodeTokens(CalcModel model, std::string_view text)
{
    const detail::TokenLookup &lookup = detail::Lookup(model);
    EncodeResult result;
    result.tokens.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        const std::optional<TokenMatch> match = MatchIn(lookup, text, position);
        if (!match) {
            result.tokens.clear();
            result.failedAt = position + 1;
            return result;
        }
        AppendTokenCode(result.tokens, match->code);
        position += match->length;
    }
    return result;
}

} // namespace vexil::tibasic
