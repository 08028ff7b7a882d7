// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/SymbolTable.h"

#include <cstring>

namespace vexil::tasm {

std::uint32_t SymbolTable::hashOf(std::string_view name)
{
    // Eight characters a step, then a final mix so the low bits that pick the slot
    // depend on every character.
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ name.size();
    std::size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, name.data() + i, 8);
        h = (h ^ word) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
    }
    std::uint64_t tail = 0;
    for (std::size_t shift = 0; i < name.size(); ++i, shift += 8) {
        tail |= static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])) << shift;
    }
    h = (h ^ tail) * 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return static_cast<std::uint32_t>(h);
}

std::size_t SymbolTable::slotOf(std::string_view name, std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    while (true) {
        std::uint32_t occupant = slots_[slot];
        if (occupant == 0) {
            return slot;
        }
        const Entry &e = entries_[occupant - 1];
        if (e.hash == hash && e.nameLength == name.size() &&
            std::string_view(names_).substr(e.nameOffset, e.nameLength) == name) {
            return slot;
        }
        slot = (slot + 1) & mask;
    }
}

void SymbolTable::grow()
{
    std::vector<std::uint32_t> slots(slots_.empty() ? 64 : slots_.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        std::size_t slot = entries_[i].hash & mask;
        while (slots[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        slots[slot] = static_cast<std::uint32_t>(i + 1);
    }
    slots_.swap(slots);
}

std::pair<Symbol *, bool> SymbolTable::insert(std::string_view name, std::int32_t value)
{
    // At most half full, so probe runs stay short.
    if ((entries_.size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::uint32_t hash = hashOf(name);
    const std::size_t slot = slotOf(name, hash);
    if (slots_[slot] != 0) {
        return {&entries_[slots_[slot] - 1].symbol, false};
    }
    Entry e{static_cast<std::uint32_t>(names_.size()), static_cast<std::uint32_t>(name.size()),
            hash, Symbol{}};
    e.symbol.value = value;
    names_ += name;
    entries_.push_back(e);
    slots_[slot] = static_cast<std::uint32_t>(entries_.size());
    return {&entries_.back().symbol, true};
}

Symbol *SymbolTable::find(std::string_view name)
{
    return const_cast<Symbol *>(static_cast<const SymbolTable *>(this)->find(name));
}

const Symbol *SymbolTable::find(std::string_view name) const
{
    if (entries_.empty()) {
        return nullptr;
    }
    std::uint32_t occupant = slots_[slotOf(name, hashOf(name))];
    return occupant == 0 ? nullptr : &entries_[occupant - 1].symbol;
}

} // namespace vexil::tasm
