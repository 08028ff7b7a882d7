// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/GoToLine.h"

#include <algorithm>

namespace vexil::editor {

GoToLineAnswer ParseGoToLine(std::string_view answer)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!answer.empty() && blank(answer.front())) {
        answer.remove_prefix(1);
    }
    while (!answer.empty() && blank(answer.back())) {
        answer.remove_suffix(1);
    }
    bool negative = false;
    if (!answer.empty() && (answer.front() == '-' || answer.front() == '+')) {
        negative = answer.front() == '-';
        answer.remove_prefix(1);
    }
    if (answer.empty() ||
        !std::all_of(answer.begin(), answer.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {};
    }
    // Counting stops once the number is out of range, so no length of digits overflows.
    long value = 0;
    for (const char c : answer) {
        value = std::min(value * 10 + (c - '0'), long{kLargestGoToLine} + 1);
    }
    if (negative) {
        return {GoToLineAnswer::Kind::Line, static_cast<int>(-value)};
    }
    if (value > kLargestGoToLine) {
        return {GoToLineAnswer::Kind::TooLarge, 0};
    }
    return {GoToLineAnswer::Kind::Line, static_cast<int>(value)};
}

std::optional<int> GoToLineTarget(int number, int lineCount)
{
    if (number < 1 || lineCount < 1) {
        return std::nullopt;
    }
    return std::min(number, lineCount);
}

} // namespace vexil::editor
