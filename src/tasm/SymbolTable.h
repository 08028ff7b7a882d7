// SPDX-License-Identifier: GPL-3.0-or-later
// Labels with their values and the order in which they were defined. Lookup is a
// hash probe, so include files with tens of thousands of equates stay cheap.
#pragma once

#include "tasm/MacroTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vexil::tasm {

struct Symbol {
    std::int32_t value = 0;
    bool local = false;
    bool seenInFinalPass = false;
    bool exported = false;
    char segment = 'N';
};

class SymbolTable {
public:
    // Returns the symbol and whether it was new.
    std::pair<Symbol *, bool> insert(const std::string &name, std::int32_t value);
    Symbol *find(std::string_view name);
    const Symbol *find(std::string_view name) const;
    // Names in definition order.
    const std::vector<std::string> &order() const { return order_; }
    std::size_t size() const { return symbols_.size(); }

private:
    std::unordered_map<std::string, Symbol, StringHash, std::equal_to<>> symbols_;
    std::vector<std::string> order_;
};

} // namespace vexil::tasm
