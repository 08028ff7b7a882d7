// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/ProgramText.h"

#include "tibasic/KeyboardFont.h"
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

ProgramTextTokens EncodeProgramText(CalcModel model, std::string_view text, TextForm form)
{
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
    EncodeResult encoded = EncodeTokens(model, eightBit);
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
