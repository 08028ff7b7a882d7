// SPDX-License-Identifier: GPL-3.0-or-later
// One statement of a source line: optional label, operation field and operands.
// `\` starts another statement whose first character counts as column 1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexil::tasm {

struct Statement {
    std::string_view label;
    std::string_view op;
    std::string_view operand;
    bool isDirective = false;                  // `.x`, `#x`, `=`, `*=`, `$=`
    std::size_t next = std::string_view::npos; // start of the following statement
};

// Parses the statement beginning at `start`. `firstOfLine` tells whether `start`
// is the physical column 1, where the comment character makes a whole-line comment.
Statement ParseStatement(std::string_view line, std::size_t start, bool firstOfLine,
                         char commentChar, char localChar);

// Operand text with blanks removed outside quotes, for matching against patterns.
std::string CompactOperand(std::string_view operand);

// Splits directive operands at commas outside quotes; items are trimmed.
void SplitItems(std::string_view operand, std::vector<std::string_view> &items);

std::string_view Trim(std::string_view text);

} // namespace vexil::tasm
