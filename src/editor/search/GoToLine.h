// SPDX-License-Identifier: GPL-3.0-or-later
// Go to Line: what the number typed into its input box asks for.
#pragma once

#include <optional>
#include <string_view>

namespace vexil::editor {

inline constexpr const char *kGoToLineTooLarge =
    "Sorry, can't go to line numbers of 32K and above.";
inline constexpr int kLargestGoToLine = 32767;

struct GoToLineAnswer {
    enum class Kind { Nothing, TooLarge, Line };
    Kind kind = Kind::Nothing;
    int number = 0;
};

// A decimal number (blanks around it and a sign allowed) up to 32767 is a line number,
// a larger one is refused; anything else asks for nothing.
GoToLineAnswer ParseGoToLine(std::string_view answer);

// The 1-based line to select in a text of lineCount lines: nothing for 0 and below,
// the last line for a number beyond it.
std::optional<int> GoToLineTarget(int number, int lineCount);

} // namespace vexil::editor
