// SPDX-License-Identifier: GPL-3.0-or-later
// The two token lists, one per calculator model: which code stands for which text.
// Texts are 8-bit strings whose bytes 0x80-0xFF are Keyboard Font glyphs (see
// KeyboardFont.h for their Unicode spelling). The same list serves decoding and
// encoding; Tokenizer.h holds the algorithms over it.
#pragma once

#include "varfile/CalcModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::tibasic {

using varfile::CalcModel;

// Shown for codes the calculator does not use. Only the TI-83 encodes it back
// (as kTI83PlaceholderCode); on the TI-82 it matches nothing.
inline constexpr std::string_view kUnusedText = "~";
inline constexpr std::uint16_t kLineBreakCode = 0x3F;
// The code a placeholder "~" typed into TI-83 program text saves as.
inline constexpr std::uint16_t kTI83PlaceholderCode = 0xEF;
inline constexpr std::uint16_t kProgramCallCode = 0x5F; // "prgm", the name follows as letters

struct TokenEntry {
    std::uint16_t code; // 0x00XX for a one-byte token, (group << 8) | second byte otherwise
    std::string text;   // 8-bit text; the line break is "\r\n"

    bool isUnused() const { return text == kUnusedText; }
};

// Every entry of the model's list in code order: one entry per one-byte code that
// is not a group byte, then the listed two-byte codes.
const std::vector<TokenEntry> &TokenList(CalcModel model);

// True for the bytes that start a two-byte token on this model.
bool IsGroupByte(CalcModel model, std::uint8_t byte);

// The text of `code`, or nothing when the list has no entry for it (a group byte
// alone, or a second byte its group does not list). The view stays valid for the
// life of the program.
std::optional<std::string_view> TokenText(CalcModel model, std::uint16_t code);

} // namespace vexil::tibasic
