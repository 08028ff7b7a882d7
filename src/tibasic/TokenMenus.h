// SPDX-License-Identifier: GPL-3.0-or-later
// The calculators' token menus as data, one table per model: a title, up to five
// tabs, and up to 19 entries a tab. An entry is one token's text, or in the VARS
// menu a category that leads to a menu of its own. Texts are 8-bit (Keyboard Font
// glyphs as bytes 0x80-0xFF).
#pragma once

#include "varfile/CalcModel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vexil::tibasic {

using varfile::CalcModel;

enum class MenuId {
    StatPlot,
    TblSet,
    Window,
    Format,
    Zoom,
    Mode,
    Stat,
    List,
    Math,
    Test,
    Matrx,
    Angle,
    Prgm,
    Draw,
    Mem,
    Vars,
    YVars,
    Distr,
    Finance,
    // The categories of the VARS menu.
    VarsWindow,
    VarsZoom,
    VarsGdb,
    VarsPicture,
    VarsStatistics,
    VarsTable,
    VarsString,
    VarsFunction,
    VarsParametric,
    VarsPolar,
    VarsOnOff,
};

inline constexpr std::size_t kMaxMenuTabs = 5;
inline constexpr std::size_t kMaxMenuEntries = 19;

struct MenuEntry {
    std::string text;              // the token's text, or the category's caption
    std::optional<MenuId> submenu; // set for a category
};

struct MenuTab {
    std::string caption;
    std::vector<MenuEntry> entries;
};

struct TokenMenu {
    MenuId id;
    std::string title;
    std::vector<MenuTab> tabs;
};

// Every menu of the model, in no particular order.
const std::vector<TokenMenu> &TokenMenus(CalcModel model);

// Null when the model has no such menu (the TI-82 has no DISTR menu, say).
const TokenMenu *FindTokenMenu(CalcModel model, MenuId id);

// A category choice in the VARS menu is kept as 100 x tab + entry, both counted
// from 1 (101 is the first entry of the first tab).
int CategorySelection(std::size_t tab, std::size_t entry);
// The entry a selection stands for in `menu`, or null when it names none.
const MenuEntry *SelectedEntry(const TokenMenu &menu, int selection);

} // namespace vexil::tibasic
