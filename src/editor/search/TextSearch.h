// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a text forward in editor text, with or without regard to case and as a
// whole word or anywhere. Offsets are characters; a CR LF line break is two.
#pragma once

#include <optional>
#include <string_view>

namespace vexil::editor {

struct FindOptions {
    bool matchCase = false;
    bool wholeWord = false;
};

// The lower-case partner of a letter of the Latin, Greek or Cyrillic alphabets
// (what sources and their comments are written in); every other character itself.
char32_t FoldCase(char32_t c);

// Letters, digits and "_": what a label or a mnemonic is made of. A whole-word match
// has no such character right before or right after it.
bool IsWordCharacter(char32_t c);

// Whether `what` occurs at `at`. For the whole-word test the character before `at`
// is `before` when given (the text there may be about to change), else text[at - 1].
bool MatchesAt(std::u32string_view text, std::u32string_view what, int at, FindOptions options,
               std::optional<char32_t> before = std::nullopt);

// The first offset p with from <= p and p + what.size() <= to where `what` matches;
// nothing for an empty `what` or an empty range. `to` is clamped to the text.
std::optional<int> FindForward(std::u32string_view text, std::u32string_view what, int from, int to,
                               FindOptions options);

} // namespace vexil::editor
