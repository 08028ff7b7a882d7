// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/Tokenizer.h"

#include "tibasic/TokenLookup.h"

#include <algorithm>

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

constexpr std::uint16_t kQuoteCode = 0x2A;
constexpr std::uint16_t kStoreCode = 0x04;
constexpr std::size_t kLongestTokenText = 16;

// Walks a text token by token, keeping track of string literals, and lets a token
// whose text ends in a blank match without it at the end of a statement.
class StatementEndMatcher {
public:
    struct Match {
        TokenMatch token;
        bool blankOmitted;
    };

    StatementEndMatcher(const detail::TokenLookup &lookup, std::string_view text,
                        InsertionPlace place)
        : lookup_(lookup), text_(text), endsStatement_(place.endsStatement),
          insideString_(place.insideString)
    {
    }

    // The token at `position`; call for consecutive tokens only.
    std::optional<Match> next(std::size_t position)
    {
        std::optional<Match> match;
        if (const auto exact = MatchIn(lookup_, text_, position)) {
            match = Match{*exact, false};
        }
        if (!insideString_) {
            if (const auto shortened = withoutBlank(position);
                shortened && (!match || shortened->length > match->token.length)) {
                match = Match{*shortened, true};
            }
        }
        if (match) {
            follow(match->token.code);
        }
        return match;
    }

private:
    std::optional<TokenMatch> withoutBlank(std::size_t position) const
    {
        std::size_t end = position;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n' &&
               text_[end] != ':') {
            if (end - position == kLongestTokenText) {
                return std::nullopt;
            }
            ++end;
        }
        if (end == position || (end == text_.size() && !endsStatement_)) {
            return std::nullopt;
        }
        const auto found = lookup_.withoutFinalBlank.find(text_.substr(position, end - position));
        if (found == lookup_.withoutFinalBlank.end()) {
            return std::nullopt;
        }
        return TokenMatch{found->second, end - position};
    }

    // A string literal runs from a double quote to the next one, a store arrow or
    // the end of the line, as on the calculator.
    void follow(std::uint16_t code)
    {
        if (code == kQuoteCode) {
            insideString_ = !insideString_;
        } else if (code == kStoreCode || code == kLineBreakCode) {
            insideString_ = false;
        }
    }

    const detail::TokenLookup &lookup_;
    std::string_view text_;
    bool endsStatement_;
    bool insideString_;
};

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

EncodeResult EncodeTokens(CalcModel model, std::string_view text, MatchRule rule)
{
    const detail::TokenLookup &lookup = detail::Lookup(model);
    StatementEndMatcher relaxed(lookup, text, InsertionPlace{});
    EncodeResult result;
    result.tokens.reserve(text.size());
    std::size_t position = 0;
    while (position < text.size()) {
        std::optional<TokenMatch> match;
        if (rule == MatchRule::Exact) {
            match = MatchIn(lookup, text, position);
        } else if (const auto found = relaxed.next(position)) {
            match = found->token;
        }
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

std::string RestoreOmittedBlanks(CalcModel model, std::string_view text, InsertionPlace place)
{
    StatementEndMatcher matcher(detail::Lookup(model), text, place);
    std::string restored;
    restored.reserve(text.size() + 8);
    std::size_t position = 0;
    while (position < text.size()) {
        const auto match = matcher.next(position);
        // Text that holds no token is left for the save to point out.
        const std::size_t length = match ? match->token.length : 1;
        restored += text.substr(position, length);
        if (match && match->blankOmitted) {
            restored += ' ';
        }
        position += length;
    }
    return restored;
}

} // namespace vexil::tibasic
