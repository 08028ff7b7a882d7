// SPDX-License-Identifier: GPL-3.0-or-later
// Error lines, by default in the one format the IDE reads back:
//   <file> line <nnnn>: <message> (<detail>)
// Every error counts the same; there are no warnings.
#pragma once

#include <string>
#include <string_view>

namespace vexil::tasm {

struct Diagnostic {
    std::string file;
    int line = 0;
    std::string message;
    std::string detail;
    bool hasDetail = false;
};

// The line as printed, without the line end. Without a detail the message is
// followed by one blank, as the IDE's parser expects.
//
// A non-empty `userFormat` (TASMERRFORMAT) is a printf-style layout that receives
// the file, the line number, the message and the detail in parentheses (or nothing),
// in that order. Only %s, %d and %% are understood, with flags, width and precision;
// a literal \n stands for a line break. A layout asking for anything else, or for
// more than the four values, gives the default line instead.
std::string FormatDiagnostic(const Diagnostic &d, std::string_view userFormat = {});

// Messages whose wording is an interface: keep them byte for byte.
namespace msg {
inline constexpr const char *kLabelNotFound = "Label not found:";
inline constexpr const char *kUnknownToken = "Unknown token:";
inline constexpr const char *kBinaryOperator = "Binary operator where a value expected:";
inline constexpr const char *kInvalidToken = "Invalid token where value expected:";
inline constexpr const char *kPrematureChar = "Premature end of CHAR token";
inline constexpr const char *kNoTerminatingQuote = "No terminating quote:";
inline constexpr const char *kParenImbalance = "Paren imbalance.";
inline constexpr const char *kForwardEquate = "Forward reference in equate:";
inline constexpr const char *kUnusedData = "Unused data in MS byte of argument.";
inline constexpr const char *kRelativeRange = "Range of relative branch exceeded.";
inline constexpr const char *kArgumentRange = "Range of argument exceeded.";
inline constexpr const char *kUnknownInstruction = "unrecognized instruction.";
inline constexpr const char *kUnknownArgument = "unrecognized argument.";
inline constexpr const char *kUnknownDirective = "unrecognized directive.";
inline constexpr const char *kDuplicateLabel = "Duplicate label:";
inline constexpr const char *kMisaligned = "label value misalligned.";
inline constexpr const char *kLabelTooLong = "Label too long:";
inline constexpr const char *kNameTooLong = "Label or instruction too long.";
inline constexpr const char *kSetPass1 = "label must pre-exist for SET.  ";
inline constexpr const char *kSetPass2 = "Label must pre-exist for SET:";
inline constexpr const char *kNoSuchLabel = "No such label:";
inline constexpr const char *kMacroNoArgs = "Macro expects args but none found";
inline constexpr const char *kMacroTooLong = "Macro expansion too long";
inline constexpr const char *kTooManyConditionals = "Max number of nested conditionals exceeded.";
inline constexpr const char *kImbalancedConditional = "Imbalanced conditional.";
inline constexpr const char *kNoEnd = "No END directive before EOF.";
inline constexpr const char *kNoIndirection =
    "Invalid operand.  No indirection for this instruction.";
inline constexpr const char *kNonUnary = "Non-unary operator at beginning of expression.";
// Where the older assembler crashed, hung or silently wrote out of bounds.
inline constexpr const char *kDivisionByZero = "Division by zero.";
inline constexpr const char *kAddressRange = "Address outside 0000-FFFF:";
inline constexpr const char *kIncludeTooDeep = "Include nesting too deep:";
inline constexpr const char *kLabelRequired = "Label required:";
inline constexpr const char *kBadAddInstr = "Invalid .ADDINSTR row:";
inline constexpr const char *kMissingOperand = "Missing operand.";
} // namespace msg

} // namespace vexil::tasm
