// SPDX-License-Identifier: GPL-3.0-or-later
// The label table under load: growth, colliding probes, lookups of names that are
// prefixes of each other, and the definition order the label table prints.
#include "tasm/SymbolTable.h"

#include <gtest/gtest.h>

#include <string>

using namespace vexil::tasm;

namespace {

TEST(TasmSymbolTable, ManyNamesKeepValuesAndOrder)
{
    SymbolTable table;
    const int count = 20000;
    for (int i = 0; i < count; ++i) {
        auto [symbol, inserted] = table.insert("L" + std::to_string(i), i);
        ASSERT_TRUE(inserted);
        symbol->local = i % 2 == 1;
    }
    // A second definition returns the first, unchanged.
    auto [again, inserted] = table.insert("L77", -1);
    EXPECT_FALSE(inserted);
    EXPECT_EQ(again->value, 77);

    ASSERT_EQ(table.size(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; i += 7) {
        const std::string name = "L" + std::to_string(i);
        const Symbol *symbol = table.find(name);
        ASSERT_NE(symbol, nullptr) << name;
        EXPECT_EQ(symbol->value, i);
        EXPECT_EQ(symbol->local, i % 2 == 1);
        EXPECT_EQ(table.name(static_cast<std::size_t>(i)), name);
        EXPECT_EQ(table.symbol(static_cast<std::size_t>(i)).value, i);
    }
    // Prefixes, extensions and other cases of a name are other names.
    EXPECT_EQ(table.find("L"), nullptr);
    EXPECT_EQ(table.find("L1x"), nullptr);
    EXPECT_EQ(table.find("l1"), nullptr);
    EXPECT_EQ(table.find(""), nullptr);
    // Names longer than a hash step, differing only at the end.
    table.insert("noname._CLRLCDFULL", 0x4755);
    table.insert("noname._CLRLCDFULM", 1);
    EXPECT_EQ(table.find("noname._CLRLCDFULL")->value, 0x4755);
    EXPECT_EQ(table.find("noname._CLRLCDFULM")->value, 1);
}

TEST(TasmSymbolTable, EmptyTableFindsNothing)
{
    const SymbolTable table;
    EXPECT_EQ(table.find("anything"), nullptr);
    EXPECT_EQ(table.size(), 0u);
}

} // namespace
