// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ProgramText.h"

#include "tibasic/KeyboardFont.h"
#include "tibasic/PastedText.h"
#include "tibasic/Utf8.h"

namespace vexil::tibasic {

namespace {

std::u32string Widen(std::string_view eightBit)
{
    std::u32string wide;
    wide.reserve(eightBit.size());
    for (const char c : eightBit) {
        wide.push_back(static_cast<unsigned char>(c));
    }
    return wide;
}

ProgramTextTokens Failure(ProgramTextProblem problem, TextPosition at)
{
    return ProgramTextTokens{{}, ProgramTextError{problem, at}};
}

} // namespace

TextPosition LocateCharacter(std::u32string_view text, std::size_t position)
{
    TextPosition at;
    const std::size_t before = std::min(position > 0 ? position - 1 : 0, text.size());
    for (std::size_t i = 0; i < before; ++i) {
        if (text[i] == U'\n') {
            ++at.line;
            at.column = 1;
        } else {
            ++at.column;
        }
    }
    return at;
}

const char *ProgramTextErrorMessage(const ProgramTextError &error)
{
    return error.problem == ProgramTextProblem::NotUtf8 ? "The text is not valid UTF-8."
                                                        : kInvalidTokenMessage;
}

namespace {

// The UTF-8 form under the web rules: the spellings are rewritten first, and every
// position found afterwards is taken back through the rewrite to the user's text.
ProgramTextTokens EncodeWebText(CalcModel model, std::string_view text)
{
    const Utf8Decoded decoded = DecodeUtf8(text);
    if (!decoded.ok()) {
        return Failure(ProgramTextProblem::NotUtf8, LocateCharacter(decoded.text, decoded.badAt));
    }
    const NormalisedText normalised = NormaliseSpellings(decoded.text);
    const auto original = [&](std::size_t normalisedIndex) {
        const std::size_t index = normalisedIndex < normalised.source.size()
                                      ? normalised.source[normalisedIndex]
                                      : decoded.text.size();
        return LocateCharacter(decoded.text, index + 1);
    };
    const KeyboardFontText converted = KeyboardFontFromUtf8(EncodeUtf8(normalised.text));
    if (!converted.ok()) {
        return Failure(ProgramTextProblem::InvalidToken, original(converted.failedAt - 1));
    }
    EncodeResult encoded =
        EncodeTokens(model, converted.text, MatchRule::BlankOptionalAtStatementEnd);
    if (!encoded.ok()) {
        const std::string_view before =
            std::string_view(converted.text).substr(0, encoded.failedAt - 1);
        return Failure(ProgramTextProblem::InvalidToken,
                       original(DecodeUtf8(KeyboardFontToUtf8(before)).text.size()));
    }
    return ProgramTextTokens{std::move(encoded.tokens), std::nullopt};
}

} // namespace

ProgramTextTokens EncodeProgramText(CalcModel model, std::string_view text, TextForm form,
                                    TextRules rules)
{
    if (rules == TextRules::Web && form == TextForm::Utf8) {
        return EncodeWebText(model, text);
    }
    const MatchRule rule =
        rules == TextRules::Web ? MatchRule::BlankOptionalAtStatementEnd : MatchRule::Exact;
    std::string eightBit;
    if (form == TextForm::KeyboardFont) {
        eightBit = text;
    } else {
        const KeyboardFontText converted = KeyboardFontFromUtf8(text);
        if (!converted.ok()) {
            const Utf8Decoded decoded = DecodeUtf8(text);
            const TextPosition at = LocateCharacter(decoded.text, converted.failedAt);
            const bool broken = !decoded.ok() && decoded.badAt == converted.failedAt;
            return Failure(broken ? ProgramTextProblem::NotUtf8 : ProgramTextProblem::InvalidToken,
                           at);
        }
        eightBit = converted.text;
    }
    EncodeResult encoded = EncodeTokens(model, eightBit, rule);
    if (!encoded.ok()) {
        // Count columns in the characters the user sees, not in 8-bit codes.
        const std::string_view before = std::string_view(eightBit).substr(0, encoded.failedAt - 1);
        const std::u32string shown = form == TextForm::KeyboardFont
                                         ? Widen(before)
                                         : DecodeUtf8(KeyboardFontToUtf8(before)).text;
        return Failure(ProgramTextProblem::InvalidToken, LocateCharacter(shown, shown.size() + 1));
    }
    return ProgramTextTokens{std::move(encoded.tokens), std::nullopt};
}

std::string DecodeProgramText(CalcModel model, std::span<const std::uint8_t> tokens, TextForm form)
{
    const std::string text = DecodeTokens(model, tokens);
    if (form == TextForm::KeyboardFont) {
        return text;
    }
    // Token texts never hold a CR of their own, so every CR LF is a line break.
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        lines.push_back(text[i]);
    }
    return KeyboardFontToUtf8(lines);
}

} // namespace vexil::tibasic
