// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/TextSearch.h"

#include <algorithm>

namespace vexil::editor {

char32_t FoldCase(char32_t c)
{
    if (c < 0x80) {
        return c >= U'A' && c <= U'Z' ? c + 0x20 : c;
    }
    // Latin-1: À to Þ, without the multiplication sign.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return c + 0x20;
    }
    // Latin Extended-A pairs capital and small letters as even and odd code points,
    // shifted by one from Ĺ to Ň and from Ź to Ž; İ, ı, ĸ and ŉ stand alone.
    if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return c | 1;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c & 1) != 0 ? c + 1 : c;
    }
    if (c == 0x178) {
        return 0xFF;
    }
    // Greek capitals (Α to Ω; 0x3A2 is unassigned) and Cyrillic capitals.
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) {
        return c + 0x20;
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    return c;
}

bool IsWordCharacter(char32_t c)
{
    if (c < 0x80) {
        return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
               c == U'_';
    }
    // Letters of the alphabets FoldCase knows, small and capital.
    return (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x370 && c <= 0x3FF) ||
           (c >= 0x400 && c <= 0x4FF);
}

bool MatchesAt(std::u32string_view text, std::u32string_view what, int at, FindOptions options,
               std::optional<char32_t> before)
{
    if (what.empty() || at < 0 || static_cast<std::size_t>(at) + what.size() > text.size()) {
        return false;
    }
    const auto start = text.begin() + at;
    const bool same = options.matchCase
                          ? std::equal(what.begin(), what.end(), start)
                          : std::equal(what.begin(), what.end(), start, [](char32_t a, char32_t b) {
                                return FoldCase(a) == FoldCase(b);
                            });
    if (!same || !options.wholeWord) {
        return same;
    }
    const std::size_t end = static_cast<std::size_t>(at) + what.size();
    const std::optional<char32_t> previous =
        before ? before : (at > 0 ? std::optional<char32_t>(text[at - 1]) : std::nullopt);
    const bool wordBefore = previous && IsWordCharacter(*previous);
    const bool wordAfter = end < text.size() && IsWordCharacter(text[end]);
    return !wordBefore && !wordAfter;
}

std::optional<int> FindForward(std::u32string_view text, std::u32string_view what, int from, int to,
                               FindOptions options)
{
    const int length = static_cast<int>(what.size());
    to = std::min(to, static_cast<int>(text.size()));
    for (int at = std::max(from, 0); at + length <= to && length > 0; ++at) {
        if (MatchesAt(text, what, at, options)) {
            return at;
        }
    }
    return std::nullopt;
}

} // namespace vexil::editor
