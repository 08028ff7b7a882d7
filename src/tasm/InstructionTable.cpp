// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/InstructionTable.h"

#include <algorithm>

namespace vexil::tasm {

std::span<const InstructionRow> MnemonicRows::exactMatches(std::string_view upperOperand) const
{
    auto [first, last] = std::equal_range(
        exact.begin(), exact.end(), upperOperand, [](const auto &a, const auto &b) {
            if constexpr (std::is_same_v<std::decay_t<decltype(a)>, InstructionRow>) {
                return a.pattern < b;
            } else {
                return a < b.pattern;
            }
        });
    return {first, last};
}

const MnemonicRows *AddedInstructions::find(std::string_view upperMnemonic) const
{
    auto it = entries_.find(upperMnemonic);
    return it == entries_.end() ? nullptr : &it->second.view;
}

void AddedInstructions::add(const std::string &upperMnemonic, InstructionRow row)
{
    row.pattern = patterns_.emplace_back(row.pattern);
    Entry &entry = entries_[upperMnemonic];
    if (row.pattern.find_first_of("*@") != std::string_view::npos) {
        entry.wildcard.push_back(row);
    } else {
        // After the rows of the same pattern, so the one added first still wins.
        auto at = std::upper_bound(
            entry.exact.begin(), entry.exact.end(), row.pattern,
            [](std::string_view pattern, const InstructionRow &r) { return pattern < r.pattern; });
        entry.exact.insert(at, row);
    }
    entry.view.exact = entry.exact;
    entry.view.wildcard = entry.wildcard;
    entry.view.classes |= row.rowClass;
}

} // namespace vexil::tasm
