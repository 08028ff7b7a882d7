// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for writing the menu tables down in the {XX} glyph notation, and the two
// tables. Internal to the menus; everyone else goes through TokenMenus.h.
#pragma once

#include "tibasic/TokenMenus.h"

#include <initializer_list>
#include <utility>

namespace vexil::tibasic::detail {

// A tab of token entries.
MenuTab Tab(const char *caption, std::initializer_list<const char *> entries);
// A tab of VARS categories, each with the menu it opens.
MenuTab Categories(const char *caption,
                   std::initializer_list<std::pair<const char *, MenuId>> entries);
TokenMenu Menu(MenuId id, const char *title, std::initializer_list<MenuTab> tabs);

std::vector<TokenMenu> BuildTI82Menus();
std::vector<TokenMenu> BuildTI83Menus();

} // namespace vexil::tibasic::detail
