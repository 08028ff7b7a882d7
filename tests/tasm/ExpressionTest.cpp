// SPDX-License-Identifier: GPL-3.0-or-later
// Arithmetic edges the golden files cannot show byte by byte: 32-bit wrap-around,
// shifts past the width, and inputs that must fail cleanly.
#include "tasm/Expression.h"
#include "tasm/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>

using namespace vexil::tasm;

namespace {

class NoSymbols : public SymbolResolver {
public:
    std::optional<std::int32_t> resolve(std::string_view name) override
    {
        if (name == "known") {
            return 0x1234;
        }
        return std::nullopt;
    }
};

ExprResult Eval(const std::string &text, bool final = true)
{
    NoSymbols symbols;
    ExprSettings settings;
    settings.pc = 0x9327;
    settings.undefinedIsError = final;
    return Evaluate(text, settings, symbols);
}

TEST(TasmExpression, ArithmeticEdges)
{
    // Signed 32-bit wrap-around instead of undefined behaviour.
    EXPECT_EQ(Eval("7FFFFFFFh+1").value, INT32_MIN);
    EXPECT_EQ(Eval("(0-7FFFFFFFh-1)/-1").value, INT32_MIN);
    EXPECT_EQ(Eval("(0-7FFFFFFFh-1)%-1").value, 0);
    // Shifts of 32 or more saturate; >> keeps the sign.
    EXPECT_EQ(Eval("1<<32").value, 0);
    EXPECT_EQ(Eval("-8>>40").value, -1);
    EXPECT_EQ(Eval("-8>>1").value, -4);
    // Greedy hex digits with a radix suffix; digits are not checked against it.
    EXPECT_EQ(Eval("0BDh").value, 0xBD);
    EXPECT_EQ(Eval("12bh").value, 0x12B);
    EXPECT_EQ(Eval("$").value, 0x9327);
    EXPECT_EQ(Eval("$10").value, 0x10);
    EXPECT_EQ(Eval("7 % 4").value, 3);
}

TEST(TasmExpression, LiteralsReadTheSameAloneAndInsideExpressions)
{
    // A lone number takes a shorter road than a number within an expression.
    const std::pair<const char *, std::int32_t> literals[] = {
        {"12", 12},  {"12d", 12}, {"0FFh", 0xFF},    {"0ffH", 0xFF}, {"1bh", 0x1B},
        {"101b", 5}, {"19b", 11}, {"1e", 24},        {"17o", 15},    {"17q", 15},
        {"1Dd", 23}, {"0", 0},    {"4294967295", -1}};
    for (const auto &[text, value] : literals) {
        EXPECT_EQ(Eval(text).value, value) << text;
        EXPECT_EQ(Eval(std::string("(") + text + ")").value, value) << text;
        EXPECT_TRUE(Eval(text).ok) << text;
    }
    // Not numbers: a letter first is a label, trailing characters are an error.
    EXPECT_EQ(Eval("FFh").message, msg::kLabelNotFound);
    EXPECT_FALSE(Eval("12hx").ok);
    EXPECT_FALSE(Eval("12z").ok);
}

TEST(TasmExpression, UndefinedLabels)
{
    // Before the final pass an unknown label is a non-zero placeholder.
    ExprResult early = Eval("later+1", false);
    EXPECT_TRUE(early.ok);
    EXPECT_EQ(early.value, kUndefinedValue + 1);
    EXPECT_EQ(early.undefinedName, "later");
    // In the final pass it is an error naming the label.
    ExprResult late = Eval("known+later");
    EXPECT_FALSE(late.ok);
    EXPECT_EQ(late.message, msg::kLabelNotFound);
    EXPECT_EQ(late.detail, "later");
}

TEST(TasmExpression, HostileInputFailsCleanly)
{
    // Deep nesting stops with an error instead of exhausting the stack.
    EXPECT_FALSE(Eval(std::string(100000, '(') + "1").ok);
    EXPECT_FALSE(Eval(std::string(100000, '-') + "1").ok);
    // Empty, dangling and stray tokens.
    EXPECT_FALSE(Eval("").ok);
    EXPECT_FALSE(Eval("1+").ok);
    EXPECT_EQ(Eval("'").message, msg::kPrematureChar);
    EXPECT_EQ(Eval("-+1").message, msg::kBinaryOperator);
    EXPECT_EQ(Eval("1/0").message, msg::kDivisionByZero);
    EXPECT_EQ(Eval("3 ` 4").message, msg::kUnknownToken);
}

} // namespace
