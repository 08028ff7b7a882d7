// SPDX-License-Identifier: GPL-3.0-or-later
// Labels with their values, in the order they were defined. Names live back to back
// in one arena and the index is an open-addressing table of entry numbers, so a
// label costs a few dozen bytes instead of a heap node and two strings, and include
// files with tens of thousands of equates stay cheap to define and to look up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
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
    // Returns the symbol and whether it was new. Pointers to symbols stay valid until
    // the next insert.
    std::pair<Symbol *, bool> insert(std::string_view name, std::int32_t value);
    Symbol *find(std::string_view name);
    const Symbol *find(std::string_view name) const;

    // Symbols by definition order, 0 being the first defined.
    std::size_t size() const { return entries_.size(); }
    std::string_view name(std::size_t index) const
    {
        const Entry &e = entries_[index];
        return std::string_view(names_).substr(e.nameOffset, e.nameLength);
    }
    const Symbol &symbol(std::size_t index) const { return entries_[index].symbol; }

private:
    struct Entry {
        std::uint32_t nameOffset;
        std::uint32_t nameLength;
        std::uint32_t hash;
        Symbol symbol;
    };

    static std::uint32_t hashOf(std::string_view name);
    // The slot holding `name`, or the empty slot where it would go.
    std::size_t slotOf(std::string_view name, std::uint32_t hash) const;
    void grow();

    std::string names_;
    std::vector<Entry> entries_;
    std::vector<std::uint32_t> slots_; // entry number + 1; 0 is an empty slot
};

} // namespace vexil::tasm
