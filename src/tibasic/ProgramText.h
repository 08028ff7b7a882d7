// SPDX-License-Identifier: GPL-3.0-or-later
// Program text as it is exchanged with files and other programs: either UTF-8
// with "\n" line breaks (through the Keyboard Font table), or the 8-bit text
// itself with CR LF. Failures carry the line and column the user has to look at.
#pragma once

#include "tibasic/Tokenizer.h"

#include <optional>

namespace vexil::tibasic {

enum class TextForm {
    Utf8,        // Unicode glyphs, "\n" line breaks (a CR LF is accepted too)
    KeyboardFont // the 8-bit text, CR LF line breaks
};

struct TextPosition {
    std::size_t line = 1;   // 1-based
    std::size_t column = 1; // 1-based, in characters
};

// Where character `position` (1-based) of `text` lies; a line starts after each LF.
TextPosition LocateCharacter(std::u32string_view text, std::size_t position);

enum class ProgramTextProblem {
    NotUtf8,      // the bytes are not UTF-8 text
    InvalidToken, // no token text matches here (including characters with no 8-bit code)
};

struct ProgramTextError {
    ProgramTextProblem problem;
    TextPosition at;
};

struct ProgramTextTokens {
    std::vector<std::uint8_t> tokens; // empty on error
    std::optional<ProgramTextError> error;

    bool ok() const { return !error.has_value(); }
};

// The user's message for an error: "Invalid program token found." or the
// complaint about text that is not UTF-8.
const char *ProgramTextErrorMessage(const ProgramTextError &error);

enum class TextRules {
    Exact, // the text as the editors save it: exact longest match
    // Text from elsewhere: in the UTF-8 form the ASCII and other spellings of the
    // glyphs that TI-BASIC sources on the web use ("->" for the store arrow, see
    // PastedText.h), and in both forms a blank left off at the end of a statement
    // ("Pause" at the end of a line is the token "Pause ").
    Web,
};

// Error positions are those of `text` itself, whatever the rules rewrote.
ProgramTextTokens EncodeProgramText(CalcModel model, std::string_view text, TextForm form,
                                    TextRules rules = TextRules::Exact);

std::string DecodeProgramText(CalcModel model, std::span<const std::uint8_t> tokens, TextForm form);

} // namespace vexil::tibasic
