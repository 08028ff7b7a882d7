// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/TokenMenus.h"

#include "tibasic/GlyphNotation.h"
#include "tibasic/TokenMenuData.h"

#include <algorithm>

namespace vexil::tibasic {

namespace detail {

MenuTab Tab(const char *caption, std::initializer_list<const char *> entries)
{
    MenuTab tab{ExpandGlyphNotation(caption), {}};
    for (const char *entry : entries) {
        tab.entries.push_back({ExpandGlyphNotation(entry), std::nullopt});
    }
    return tab;
}

MenuTab Categories(const char *caption,
                   std::initializer_list<std::pair<const char *, MenuId>> entries)
{
    MenuTab tab{ExpandGlyphNotation(caption), {}};
    for (const auto &[entry, submenu] : entries) {
        tab.entries.push_back({ExpandGlyphNotation(entry), submenu});
    }
    return tab;
}

TokenMenu Menu(MenuId id, const char *title, std::initializer_list<MenuTab> tabs)
{
    return {id, ExpandGlyphNotation(title), std::vector<MenuTab>(tabs)};
}

} // namespace detail

const std::vector<TokenMenu> &TokenMenus(CalcModel model)
{
    static const std::vector<TokenMenu> ti82 = detail::BuildTI82Menus();
    static const std::vector<TokenMenu> ti83 = detail::BuildTI83Menus();
    return model == CalcModel::TI82 ? ti82 : ti83;
}

const TokenMenu *FindTokenMenu(CalcModel model, MenuId id)
{
    const std::vector<TokenMenu> &menus = TokenMenus(model);
    const auto found = std::find_if(menus.begin(), menus.end(),
                                    [id](const TokenMenu &menu) { return menu.id == id; });
    return found != menus.end() ? &*found : nullptr;
}

int CategorySelection(std::size_t tab, std::size_t entry)
{
    return static_cast<int>(100 * (tab + 1) + entry + 1);
}

const MenuEntry *SelectedEntry(const TokenMenu &menu, int selection)
{
    const int tab = selection / 100 - 1;
    const int entry = selection % 100 - 1;
    if (tab < 0 || entry < 0 || static_cast<std::size_t>(tab) >= menu.tabs.size()) {
        return nullptr;
    }
    const std::vector<MenuEntry> &entries = menu.tabs[static_cast<std::size_t>(tab)].entries;
    return static_cast<std::size_t>(entry) < entries.size()
               ? &entries[static_cast<std::size_t>(entry)]
               : nullptr;
}

} // namespace vexil::tibasic
