// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/LabelTable.h"

#include <algorithm>
#include <cstdio>

namespace vexil::tasm {

namespace {

struct Entry {
    std::string_view name;
    const Symbol *symbol;
};

std::vector<Entry> SortedEntries(const SymbolTable &symbols, bool locals)
{
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const Symbol &symbol = symbols.symbol(i);
        if (locals || !symbol.local) {
            entries.push_back({symbols.name(i), &symbol});
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return static_cast<unsigned char>(a.name[0]) < static_cast<unsigned char>(b.name[0]);
    });
    return entries;
}

} // namespace

void WriteLabelTable(ListingWriter &out, const SymbolTable &symbols, bool locals, bool longForm)
{
    out.line("");
    out.line("");
    out.line("");
    auto entries = SortedEntries(symbols, locals);
    char text[96];
    if (longForm) {
        out.line("Value     Type    Label");
        out.line("  Type: N/C/B/X/D segment, L local, E exported");
        out.line("-------------------------------------------------");
        for (const auto &e : entries) {
            std::string flags(1, e.symbol->segment);
            if (e.symbol->local) {
                flags += 'L';
            }
            if (e.symbol->exported) {
                flags += 'E';
            }
            std::snprintf(text, sizeof text, "%08X  %-6s  ", static_cast<unsigned>(e.symbol->value),
                          flags.c_str());
            out.line(std::string(text) + std::string(e.name));
        }
        return;
    }
    out.line("Label        Value      Label        Value      Label        Value");
    out.line("------------------      ------------------      ------------------");
    std::string row;
    int column = 0;
    for (const auto &e : entries) {
        std::string name(e.name);
        std::snprintf(text, sizeof text, "%-13s %04X      ", name.c_str(),
                      static_cast<unsigned>(e.symbol->value));
        row += text;
        if (++column == 3) {
            out.line(row);
            row.clear();
            column = 0;
        }
    }
    if (column != 0) {
        out.line(row);
    }
}

void WriteHexDump(ListingWriter &out, const MemoryImage &image)
{
    if (image.empty()) {
        return;
    }
    out.line("");
    char text[16];
    unsigned from = image.low() & ~15u;
    for (unsigned row = from; row <= image.high(); row += 16) {
        std::snprintf(text, sizeof text, "%04X ", row);
        std::string line = text;
        for (unsigned i = 0; i < 16 && row + i <= 0xFFFF; ++i) {
            std::snprintf(text, sizeof text, " %02X",
                          image.at(static_cast<std::uint16_t>(row + i)));
            line += text;
        }
        out.line(line);
    }
}

std::string SymbolFileText(const SymbolTable &symbols)
{
    std::string text;
    char line[24];
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        std::snprintf(line, sizeof line, "  %04x\n",
                      static_cast<unsigned>(symbols.symbol(i).value));
        std::string padded(symbols.name(i));
        if (padded.size() < 16) {
            padded.resize(16, ' ');
        }
        text += padded + line;
    }
    return text;
}

} // namespace vexil::tasm
