// SPDX-License-Identifier: GPL-3.0-or-later
// Expressions as the old assembler reads them: no precedence, strictly left to
// right, signed 32-bit arithmetic with wrap-around.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::tasm {

class SymbolResolver {
public:
    virtual ~SymbolResolver() = default;
    // The value of a label as written in the source, or nothing when it is undefined.
    virtual std::optional<std::int32_t> resolve(std::string_view name) = 0;
};

// The value an undefined label takes while labels are still being collected; it is
// deliberately non-zero so `#if FORWARD` counts as true.
inline constexpr std::int32_t kUndefinedValue = 0x20000;

struct ExprResult {
    std::int32_t value = 0;
    bool ok = true;
    bool usedUndefined = false;
    std::string undefinedName; // the first undefined label met
    std::string_view message;  // one of the msg:: texts
    std::string detail;
    bool hasDetail = false;
};

struct ExprSettings {
    std::int32_t pc = 0;
    char localChar = '_';
    // In the final pass an undefined label is an error; before it, a placeholder.
    bool undefinedIsError = false;
};

ExprResult Evaluate(std::string_view text, const ExprSettings &settings, SymbolResolver &symbols);

// Characters that may appear in a label referred to from an expression.
bool IsLabelChar(char c, char localChar);

} // namespace vexil::tasm
