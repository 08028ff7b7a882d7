// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/InstructionTable.h"

#include <algorithm>

namespace vexil::tasm {

namespace {

// Orders rows and operand texts by pattern, for the searches below.
struct ByPattern {
    bool operator()(const InstructionRow &row, std::string_view text) const
    {
        return row.pattern < text;
    }
    bool operator()(std::string_view text, const InstructionRow &row) const
    {
        return text < row.pattern;
    }
};

} // namespace

std::span<const InstructionRow> MnemonicRows::exactMatches(std::string_view upperOperand) const
{
    auto [first, last] = std::equal_range(exact.begin(), exact.end(), upperOperand, ByPattern{});
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
        auto at =
            std::upper_bound(entry.exact.begin(), entry.exact.end(), row.pattern, ByPattern{});
        entry.exact.insert(at, row);
    }
    entry.view.exact = entry.exact;
    entry.view.wildcard = entry.wildcard;
    entry.view.classes |= row.rowClass;
}

} // namespace vexil::tasm
