// SPDX-License-Identifier: GPL-3.0-or-later
// Every text a keypad key, a token menu, the catalog or the Insert Symbol menu puts
// into an editor must be one whole token of its model: anything else would insert
// text that saves as other tokens, or not at all.
#include "tibasic/Catalog.h"
#include "tibasic/InsertSymbols.h"
#include "tibasic/Keypad.h"
#include "tibasic/TokenMenus.h"
#include "tibasic/Tokenizer.h"

#include <gtest/gtest.h>

#include <set>

namespace vexil::tibasic {
namespace {

constexpr CalcModel kModels[] = {CalcModel::TI82, CalcModel::TI83};

const char *Name(CalcModel model)
{
    return model == CalcModel::TI82 ? "TI-82" : "TI-83";
}

void ExpectOneToken(CalcModel model, const std::string &text, const std::string &where)
{
    const auto match = MatchToken(model, text, 0);
    EXPECT_TRUE(match && match->length == text.size())
        << Name(model) << " " << where << ": \"" << text << "\" is not one token";
}

TEST(KeypadTables, EveryKeyInsertsOneTokenOfItsModel)
{
    for (const CalcModel model : kModels) {
        for (const KeypadKey &key : KeypadKeys(model)) {
            for (const KeyLayer layer : {KeyLayer::Normal, KeyLayer::Second, KeyLayer::Alpha}) {
                const KeyAction &action = key.action(layer);
                if (action.kind == KeyActionKind::Insert) {
                    ExpectOneToken(model, action.text, "key " + std::to_string(key.tag));
                }
            }
        }
    }
}

TEST(KeypadTables, EveryMenuEntryIsOneTokenOfItsModel)
{
    for (const CalcModel model : kModels) {
        for (const TokenMenu &menu : TokenMenus(model)) {
            for (const MenuTab &tab : menu.tabs) {
                for (const MenuEntry &entry : tab.entries) {
                    if (!entry.submenu) {
                        ExpectOneToken(model, entry.text, menu.title + " " + tab.caption);
                    }
                }
            }
        }
    }
}

TEST(KeypadTables, CatalogAndSymbolsAreTokensOfTheirModel)
{
    for (const CatalogLetter &letter : TI83Catalog()) {
        for (const std::string &entry : letter.entries) {
            ExpectOneToken(CalcModel::TI83, entry, "catalog " + letter.button);
        }
    }
    for (const InsertSymbol &symbol : InsertSymbols()) {
        for (const CalcModel model : kModels) {
            if (const auto &text = symbol.textFor(model)) {
                ExpectOneToken(model, *text, "symbol " + symbol.command);
            }
        }
    }
}

// Each menu fits the menu window, and each is opened by some key or category: a menu
// no key reaches, or a key naming a menu its model lacks, is a slip in the tables.
TEST(KeypadTables, MenusFitAndAreEachReachable)
{
    for (const CalcModel model : kModels) {
        std::set<MenuId> reached;
        for (const KeypadKey &key : KeypadKeys(model)) {
            for (const KeyLayer layer : {KeyLayer::Normal, KeyLayer::Second, KeyLayer::Alpha}) {
                if (key.action(layer).kind == KeyActionKind::OpenMenu) {
                    reached.insert(key.action(layer).menu);
                }
            }
        }
        for (const TokenMenu &menu : TokenMenus(model)) {
            EXPECT_FALSE(menu.tabs.empty()) << menu.title;
            EXPECT_LE(menu.tabs.size(), kMaxMenuTabs) << menu.title;
            for (const MenuTab &tab : menu.tabs) {
                EXPECT_FALSE(tab.entries.empty()) << menu.title << " " << tab.caption;
                EXPECT_LE(tab.entries.size(), kMaxMenuEntries) << menu.title << " " << tab.caption;
                for (const MenuEntry &entry : tab.entries) {
                    if (entry.submenu) {
                        reached.insert(*entry.submenu);
                    }
                }
            }
        }
        std::set<MenuId> listed;
        for (const TokenMenu &menu : TokenMenus(model)) {
            EXPECT_TRUE(listed.insert(menu.id).second) << Name(model) << " twice: " << menu.title;
        }
        EXPECT_EQ(reached, listed) << Name(model);
    }
}

TEST(KeypadTables, KeysCoverTheKeyboardOnce)
{
    for (const CalcModel model : kModels) {
        std::set<int> tags;
        for (const KeypadKey &key : KeypadKeys(model)) {
            EXPECT_TRUE(tags.insert(key.tag).second) << key.tag;
            EXPECT_FALSE(key.face.empty()) << key.tag;
        }
        // Row 1 has 5 keys, row 2 seven (with the arrows), row 3 three, rows 4 to 10 five.
        EXPECT_EQ(tags.size(), 5u + 7u + 3u + 7u * 5u) << Name(model);
        EXPECT_NE(FindKeypadKey(model, 105), nullptr);
        EXPECT_EQ(FindKeypadKey(model, 16), nullptr);
    }
}

TEST(KeypadTables, VarsCategoriesAreNumberedByTabAndEntry)
{
    const TokenMenu *vars = FindTokenMenu(CalcModel::TI83, MenuId::Vars);
    ASSERT_NE(vars, nullptr);
    EXPECT_EQ(CategorySelection(0, 0), 101);
    EXPECT_EQ(CategorySelection(1, 3), 204);
    const MenuEntry *onOff = SelectedEntry(*vars, 204);
    ASSERT_NE(onOff, nullptr);
    EXPECT_EQ(onOff->submenu, MenuId::VarsOnOff);
    EXPECT_EQ(SelectedEntry(*vars, 107)->submenu, MenuId::VarsString);
    EXPECT_EQ(SelectedEntry(*vars, 108), nullptr);
    EXPECT_EQ(SelectedEntry(*vars, 301), nullptr);
    EXPECT_EQ(SelectedEntry(*vars, 0), nullptr);
    EXPECT_EQ(SelectedEntry(*FindTokenMenu(CalcModel::TI82, MenuId::Vars), 107), nullptr);
}

} // namespace
} // namespace vexil::tibasic
