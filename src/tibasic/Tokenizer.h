// SPDX-License-Identifier: GPL-3.0-or-later
// The only way between token bytes and editor text. Decoding is total; encoding
// takes the longest token text at each position and stops at the first position
// that no text matches.
#pragma once

#include "tibasic/TokenList.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::tibasic {

// What the user is told when EncodeTokens fails.
inline constexpr const char *kInvalidTokenMessage = "Invalid program token found.";

struct TokenMatch {
    std::uint16_t code;
    std::size_t length; // characters of the text the token covers
};

// The longest token whose text starts at `position` (0-based) of `text`, or nothing.
// Both CR LF and a lone LF match the line break. The "~" placeholders match nothing.
std::optional<TokenMatch> MatchToken(CalcModel model, std::string_view text, std::size_t position);

// Token stream to 8-bit text, the line break as CR LF. A second byte that its group
// does not list, and a group byte at the very end, produce no text.
std::string DecodeTokens(CalcModel model, std::span<const std::uint8_t> tokens);

struct EncodeResult {
    std::vector<std::uint8_t> tokens; // complete only when ok()
    std::size_t failedAt = 0;         // 1-based position of the first unmatched character

    bool ok() const { return failedAt == 0; }
};

// How text is matched against the token texts. The editors save exactly what the
// user sees; text written elsewhere (web pages, other tools) often leaves off the
// blank that ends a token's text ("Pause" for "Pause ") where a statement ends.
enum class MatchRule {
    Exact,
    // As Exact, but a token whose text ends in a blank also matches without it
    // where a statement ends (a line break, ":" or the end of the text) outside a
    // string literal, when no longer text matches there.
    BlankOptionalAtStatementEnd,
};

EncodeResult EncodeTokens(CalcModel model, std::string_view text,
                          MatchRule rule = MatchRule::Exact);

// Where text inserted into other text stands: whether its end is the end of a
// statement (false before more text on the same line), and whether it starts
// inside a string literal.
struct InsertionPlace {
    bool endsStatement = true;
    bool insideString = false;
};

// `text` with every blank that BlankOptionalAtStatementEnd would supply put back,
// so the text encodes the same way by exact match.
std::string RestoreOmittedBlanks(CalcModel model, std::string_view text, InsertionPlace place = {});

// Appends a code as it stands in a stream: group byte first for a two-byte token.
void AppendTokenCode(std::vector<std::uint8_t> &tokens, std::uint16_t code);

} // namespace vexil::tibasic
