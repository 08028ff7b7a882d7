// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/SymbolTable.h"

namespace vexil::tasm {

std::pair<Symbol *, bool> SymbolTable::insert(const std::string &name, std::int32_t value)
{
    auto [it, inserted] = symbols_.try_emplace(name);
    if (inserted) {
        it->second.value = value;
        order_.push_back(name);
    }
    return {&it->second, inserted};
}

Symbol *SymbolTable::find(std::string_view name)
{
    auto it = symbols_.find(name);
    return it == symbols_.end() ? nullptr : &it->second;
}

const Symbol *SymbolTable::find(std::string_view name) const
{
    auto it = symbols_.find(name);
    return it == symbols_.end() ? nullptr : &it->second;
}

} // namespace vexil::tasm
