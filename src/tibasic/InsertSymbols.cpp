// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/InsertSymbols.h"

#include "tibasic/GlyphNotation.h"

namespace vexil::tibasic {

namespace {

InsertSymbol Symbol(const char *command, const char *shortcut, const char *ti82, const char *ti83)
{
    InsertSymbol symbol{command, shortcut, std::nullopt, ExpandGlyphNotation(ti83)};
    if (ti82 != nullptr) {
        symbol.ti82 = ExpandGlyphNotation(ti82);
    }
    return symbol;
}

// clang-format off
std::vector<InsertSymbol> BuildInsertSymbols()
{
    return {
        Symbol("pi", "P", "{C4}", "{C4}"),
        Symbol("theta", "T", "{C1}", "{C1}"),
        Symbol("(-)", "-", "{FA}", "{FA}"),
        Symbol("^-1", "1", "{F1}", "{F1}"),
        Symbol("^2", "2", "{F2}", "{F2}"),
        Symbol("^3", "3", "{D5}", "{D5}"),
        Symbol("sqrt", "R", "{F0}", "{F0}("),
        Symbol("<>", "=", "{F8}", "{F8}"),
        Symbol("x-bar", "X", "{CB}", "{CB}"),
        Symbol("y-bar", "Y", "{CC}", "{CC}"),
        Symbol("->", "Tab", "{FC}", "{FC}"),
        // No token is a lone chi; every one that holds it goes on with the square.
        Symbol("chi", "C", nullptr, "{E9}{F2}"),
        Symbol("e", "E", "e", "{99}"),
        Symbol("2-SampFTest test statistic (F)", "F", nullptr, "{EF}"),
        Symbol("complex i", "I", nullptr, "i"),
        Symbol("List L", "L", nullptr, "{F3}"),
        Symbol("time-value-of-money # payments (N)", "N", nullptr, "{B4}"),
        Symbol("p hat", "6", nullptr, "{C5}"),
    };
}
// clang-format on

} // namespace

const std::vector<InsertSymbol> &InsertSymbols()
{
    static const std::vector<InsertSymbol> symbols = BuildInsertSymbols();
    return symbols;
}

} // namespace vexil::tibasic
