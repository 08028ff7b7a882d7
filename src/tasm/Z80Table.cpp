// SPDX-License-Identifier: GPL-3.0-or-later
// The Z80 rows. Order matters only among rows with wildcards: index forms first,
// then memory `(*)`, then immediate `*`, because the first matching row wins.
#include "tasm/InstructionTable.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace vexil::tasm {

namespace {

struct Reg {
    const char *name;
    std::uint8_t code;
};

// The eight register operands in their encoding order.
constexpr std::array<Reg, 8> kRegs{
    {{"B", 0}, {"C", 1}, {"D", 2}, {"E", 3}, {"H", 4}, {"L", 5}, {"(HL)", 6}, {"A", 7}}};

struct Index {
    const char *name; // IX or IY
    std::uint8_t prefix;
    const char *half[2]; // high and low halves (undocumented)
};

constexpr std::array<Index, 2> kIndex{{{"IX", 0xDD, {"IXH", "IXL"}}, {"IY", 0xFD, {"IYH", "IYL"}}}};

struct Cond {
    const char *name;
    std::uint8_t code;
};

constexpr std::array<Cond, 8> kConds{
    {{"NZ", 0}, {"Z", 1}, {"NC", 2}, {"C", 3}, {"PO", 4}, {"PE", 5}, {"P", 6}, {"M", 7}}};

// A mnemonic or pattern while the table is built: std::string is not usable in a
// constant expression with every compiler the project builds with, and these texts
// are a few characters long (a longer one fails the build).
class Text {
public:
    constexpr Text() = default;
    // Not explicit: the rows are written with literals and the names of the tables.
    constexpr Text(const char *text)
    {
        while (*text != '\0') {
            chars_[size_++] = *text++;
        }
    }
    friend constexpr Text operator+(Text left, const Text &right)
    {
        for (std::size_t i = 0; i < right.size_; ++i) {
            left.chars_[left.size_++] = right.chars_[i];
        }
        return left;
    }
    constexpr std::string_view view() const { return {chars_.data(), size_}; }

private:
    std::array<char, 15> chars_{};
    std::size_t size_ = 0;
};

// A row as the generator writes it; only ever alive while the compiler builds the
// table.
struct GeneratedRow {
    Text mnemonic;
    Text pattern;
    std::uint8_t opcode[4] = {0, 0, 0, 0};
    std::uint8_t opcodeLength = 0;
    ArgKind kind = ArgKind::None;
    std::uint8_t argBytes = 0;
    std::uint8_t rowClass = kClassBase;
};

class Builder {
public:
    constexpr void row(const Text &mnemonic, const Text &pattern,
                       std::initializer_list<std::uint8_t> opcode, ArgKind kind = ArgKind::None,
                       std::uint8_t argBytes = 0, std::uint8_t rowClass = kClassBase)
    {
        GeneratedRow r;
        r.mnemonic = mnemonic;
        r.pattern = pattern;
        for (std::uint8_t b : opcode) {
            r.opcode[r.opcodeLength++] = b;
        }
        r.kind = kind;
        r.argBytes = argBytes;
        r.rowClass = rowClass;
        rows.push_back(std::move(r));
    }
    constexpr void plain(const Text &m, const Text &p, std::initializer_list<std::uint8_t> op,
                         std::uint8_t cls = kClassBase)
    {
        row(m, p, op, ArgKind::None, 0, cls);
    }
    constexpr void byte(const Text &m, const Text &p, std::initializer_list<std::uint8_t> op,
                        std::uint8_t cls = kClassBase)
    {
        row(m, p, op, ArgKind::Bytes, 1, cls);
    }
    constexpr void word(const Text &m, const Text &p, std::initializer_list<std::uint8_t> op)
    {
        row(m, p, op, ArgKind::Bytes, 2);
    }

    std::vector<GeneratedRow> rows; // in matching order
};

constexpr void AddLoads(Builder &b)
{
    const Text ld = "LD";
    // Register to register, and the special registers.
    for (const Reg &dst : kRegs) {
        for (const Reg &src : kRegs) {
            if (dst.code == 6 && src.code == 6) {
                continue; // that encoding is HALT
            }
            b.plain(ld, Text(dst.name) + "," + src.name,
                    {static_cast<std::uint8_t>(0x40 | dst.code << 3 | src.code)});
        }
    }
    b.plain(ld, "A,(BC)", {0x0A});
    b.plain(ld, "A,(DE)", {0x1A});
    b.plain(ld, "(BC),A", {0x02});
    b.plain(ld, "(DE),A", {0x12});
    b.plain(ld, "A,I", {0xED, 0x57});
    b.plain(ld, "A,R", {0xED, 0x5F});
    b.plain(ld, "I,A", {0xED, 0x47});
    b.plain(ld, "R,A", {0xED, 0x4F});
    b.plain(ld, "SP,HL", {0xF9});
    for (const Index &ix : kIndex) {
        b.plain(ld, Text("SP,") + ix.name, {ix.prefix, 0xF9});
    }
    // Undocumented halves of the index registers.
    for (const Index &ix : kIndex) {
        for (int h = 0; h < 2; ++h) {
            std::uint8_t hcode = static_cast<std::uint8_t>(4 + h);
            for (const Reg &r : kRegs) {
                if (r.code == 4 || r.code == 5 || r.code == 6) {
                    continue;
                }
                b.plain(ld, Text(r.name) + "," + ix.half[h],
                        {ix.prefix, static_cast<std::uint8_t>(0x40 | r.code << 3 | hcode)},
                        kClassUndocumented);
                b.plain(ld, Text(ix.half[h]) + "," + r.name,
                        {ix.prefix, static_cast<std::uint8_t>(0x40 | hcode << 3 | r.code)},
                        kClassUndocumented);
            }
            for (int s = 0; s < 2; ++s) {
                std::uint8_t scode = static_cast<std::uint8_t>(4 + s);
                b.plain(ld, Text(ix.half[h]) + "," + ix.half[s],
                        {ix.prefix, static_cast<std::uint8_t>(0x40 | hcode << 3 | scode)},
                        kClassUndocumented);
            }
        }
    }
    // Index forms.
    for (const Index &ix : kIndex) {
        Text mem = Text("(") + ix.name + "@)";
        for (const Reg &r : kRegs) {
            if (r.code == 6) {
                continue;
            }
            b.row(ld, Text(r.name) + "," + mem,
                  {ix.prefix, static_cast<std::uint8_t>(0x46 | r.code << 3)}, ArgKind::Index);
            b.row(ld, mem + "," + r.name, {ix.prefix, static_cast<std::uint8_t>(0x70 | r.code)},
                  ArgKind::Index);
        }
        b.row(ld, mem + ",*", {ix.prefix, 0x36}, ArgKind::IndexByte);
    }
    // Sixteen-bit loads: memory before immediate.
    b.word(ld, "HL,(*)", {0x2A});
    b.word(ld, "BC,(*)", {0xED, 0x4B});
    b.word(ld, "DE,(*)", {0xED, 0x5B});
    b.word(ld, "SP,(*)", {0xED, 0x7B});
    for (const Index &ix : kIndex) {
        b.word(ld, Text(ix.name) + ",(*)", {ix.prefix, 0x2A});
    }
    b.word(ld, "(*),HL", {0x22});
    b.word(ld, "(*),BC", {0xED, 0x43});
    b.word(ld, "(*),DE", {0xED, 0x53});
    b.word(ld, "(*),SP", {0xED, 0x73});
    for (const Index &ix : kIndex) {
        b.word(ld, Text("(*),") + ix.name, {ix.prefix, 0x22});
    }
    b.word(ld, "(*),A", {0x32});
    b.word(ld, "A,(*)", {0x3A});
    b.word(ld, "BC,*", {0x01});
    b.word(ld, "DE,*", {0x11});
    b.word(ld, "HL,*", {0x21});
    b.word(ld, "SP,*", {0x31});
    for (const Index &ix : kIndex) {
        b.word(ld, Text(ix.name) + ",*", {ix.prefix, 0x21});
        for (int h = 0; h < 2; ++h) {
            b.byte(ld, Text(ix.half[h]) + ",*",
                   {ix.prefix, static_cast<std::uint8_t>(0x26 | h << 3)}, kClassUndocumented);
        }
    }
    for (const Reg &r : kRegs) {
        b.byte(ld, Text(r.name) + ",*", {static_cast<std::uint8_t>(0x06 | r.code << 3)});
    }
}

constexpr void AddArithmetic(Builder &b)
{
    struct Alu {
        const char *mnemonic;
        const char *prefix; // "A," for the forms that name the accumulator
        std::uint8_t base;
    };
    constexpr std::array<Alu, 8> alus{{{"ADD", "A,", 0x80},
                                       {"ADC", "A,", 0x88},
                                       {"SUB", "", 0x90},
                                       {"SBC", "A,", 0x98},
                                       {"AND", "", 0xA0},
                                       {"XOR", "", 0xA8},
                                       {"OR", "", 0xB0},
                                       {"CP", "", 0xB8}}};
    for (const Alu &alu : alus) {
        Text p = alu.prefix;
        for (const Reg &r : kRegs) {
            b.plain(alu.mnemonic, p + r.name, {static_cast<std::uint8_t>(alu.base | r.code)});
        }
        for (const Index &ix : kIndex) {
            for (int h = 0; h < 2; ++h) {
                b.plain(alu.mnemonic, p + ix.half[h],
                        {ix.prefix, static_cast<std::uint8_t>(alu.base | (4 + h))},
                        kClassUndocumented);
            }
        }
    }
    b.plain("ADD", "HL,BC", {0x09});
    b.plain("ADD", "HL,DE", {0x19});
    b.plain("ADD", "HL,HL", {0x29});
    b.plain("ADD", "HL,SP", {0x39});
    for (const Index &ix : kIndex) {
        Text n = ix.name;
        b.plain("ADD", n + ",BC", {ix.prefix, 0x09});
        b.plain("ADD", n + ",DE", {ix.prefix, 0x19});
        b.plain("ADD", n + "," + n, {ix.prefix, 0x29});
        b.plain("ADD", n + ",SP", {ix.prefix, 0x39});
    }
    const char *pairs[4] = {"BC", "DE", "HL", "SP"};
    for (std::uint8_t i = 0; i < 4; ++i) {
        Text pair = pairs[i];
        b.plain("ADC", "HL," + pair, {0xED, static_cast<std::uint8_t>(0x4A | i << 4)});
        b.plain("SBC", "HL," + pair, {0xED, static_cast<std::uint8_t>(0x42 | i << 4)});
        b.plain("INC", pair, {static_cast<std::uint8_t>(0x03 | i << 4)});
        b.plain("DEC", pair, {static_cast<std::uint8_t>(0x0B | i << 4)});
    }
    for (const Reg &r : kRegs) {
        b.plain("INC", r.name, {static_cast<std::uint8_t>(0x04 | r.code << 3)});
        b.plain("DEC", r.name, {static_cast<std::uint8_t>(0x05 | r.code << 3)});
    }
    for (const Index &ix : kIndex) {
        b.plain("INC", ix.name, {ix.prefix, 0x23});
        b.plain("DEC", ix.name, {ix.prefix, 0x2B});
        for (int h = 0; h < 2; ++h) {
            b.plain("INC", ix.half[h], {ix.prefix, static_cast<std::uint8_t>(0x24 | h << 3)},
                    kClassUndocumented);
            b.plain("DEC", ix.half[h], {ix.prefix, static_cast<std::uint8_t>(0x25 | h << 3)},
                    kClassUndocumented);
        }
    }
    // Wildcard forms: index, then immediate.
    for (const Alu &alu : alus) {
        Text p = alu.prefix;
        for (const Index &ix : kIndex) {
            b.row(alu.mnemonic, p + "(" + ix.name + "@)",
                  {ix.prefix, static_cast<std::uint8_t>(alu.base | 6)}, ArgKind::Index);
        }
        b.byte(alu.mnemonic, p + "*", {static_cast<std::uint8_t>(alu.base | 0x46)});
    }
    for (const Index &ix : kIndex) {
        Text mem = Text("(") + ix.name + "@)";
        b.row("INC", mem, {ix.prefix, 0x34}, ArgKind::Index);
        b.row("DEC", mem, {ix.prefix, 0x35}, ArgKind::Index);
    }
}

constexpr void AddRotatesAndBits(Builder &b)
{
    struct Shift {
        const char *mnemonic;
        std::uint8_t base;
        std::uint8_t rowClass;
    };
    constexpr std::array<Shift, 9> shifts{{{"RLC", 0x00, kClassBase},
                                           {"RRC", 0x08, kClassBase},
                                           {"RL", 0x10, kClassBase},
                                           {"RR", 0x18, kClassBase},
                                           {"SLA", 0x20, kClassBase},
                                           {"SRA", 0x28, kClassBase},
                                           {"SLL", 0x30, kClassUndocumented},
                                           {"SL1", 0x30, kClassUndocumented},
                                           {"SRL", 0x38, kClassBase}}};
    for (const Shift &s : shifts) {
        for (const Reg &r : kRegs) {
            b.plain(s.mnemonic, r.name, {0xCB, static_cast<std::uint8_t>(s.base | r.code)},
                    s.rowClass);
        }
        for (const Index &ix : kIndex) {
            b.row(s.mnemonic, Text("(") + ix.name + "@)",
                  {ix.prefix, 0xCB, static_cast<std::uint8_t>(s.base | 6)}, ArgKind::IndexCB, 0,
                  s.rowClass);
        }
    }
    struct BitOp {
        const char *mnemonic;
        std::uint8_t base;
    };
    constexpr std::array<BitOp, 3> bitOps{{{"BIT", 0x40}, {"RES", 0x80}, {"SET", 0xC0}}};
    for (const BitOp &op : bitOps) {
        for (const Index &ix : kIndex) {
            b.row(op.mnemonic, Text("*,(") + ix.name + "@)",
                  {ix.prefix, 0xCB, static_cast<std::uint8_t>(op.base | 6)}, ArgKind::BitIndex);
        }
        for (const Reg &r : kRegs) {
            b.row(op.mnemonic, Text("*,") + r.name,
                  {0xCB, static_cast<std::uint8_t>(op.base | r.code)}, ArgKind::Bit);
        }
    }
    b.plain("RLCA", "", {0x07});
    b.plain("RRCA", "", {0x0F});
    b.plain("RLA", "", {0x17});
    b.plain("RRA", "", {0x1F});
    b.plain("RLD", "", {0xED, 0x6F});
    b.plain("RRD", "", {0xED, 0x67});
}

constexpr void AddControl(Builder &b)
{
    b.plain("JP", "(HL)", {0xE9});
    for (const Index &ix : kIndex) {
        b.plain("JP", Text("(") + ix.name + ")", {ix.prefix, 0xE9});
    }
    for (const Cond &c : kConds) {
        b.word("JP", Text(c.name) + ",*", {static_cast<std::uint8_t>(0xC2 | c.code << 3)});
        b.word("CALL", Text(c.name) + ",*", {static_cast<std::uint8_t>(0xC4 | c.code << 3)});
        b.plain("RET", c.name, {static_cast<std::uint8_t>(0xC0 | c.code << 3)});
    }
    for (const Cond &c : kConds) {
        if (c.code < 4) {
            b.row("JR", Text(c.name) + ",*", {static_cast<std::uint8_t>(0x20 | c.code << 3)},
                  ArgKind::Relative);
        }
    }
    b.word("JP", "*", {0xC3});
    b.word("CALL", "*", {0xCD});
    b.row("JR", "*", {0x18}, ArgKind::Relative);
    b.row("DJNZ", "*", {0x10}, ArgKind::Relative);
    b.plain("RET", "", {0xC9});
    b.plain("RETI", "", {0xED, 0x4D});
    b.plain("RETN", "", {0xED, 0x45});
    for (std::uint8_t p = 0; p < 0x40; p += 8) {
        constexpr char digits[] = "0123456789ABCDEF";
        const char text[] = {digits[p >> 4], digits[p & 15], '\0'};
        b.plain("RST", Text(text) + "H", {static_cast<std::uint8_t>(0xC7 | p)});
        b.plain("RST", text, {static_cast<std::uint8_t>(0xC7 | p)});
    }
}

constexpr void AddMiscellaneous(Builder &b)
{
    b.plain("NOP", "", {0x00});
    b.plain("HALT", "", {0x76});
    b.plain("DI", "", {0xF3});
    b.plain("EI", "", {0xFB});
    b.plain("DAA", "", {0x27});
    b.plain("CPL", "", {0x2F});
    b.plain("SCF", "", {0x37});
    b.plain("CCF", "", {0x3F});
    b.plain("NEG", "", {0xED, 0x44});
    b.plain("IM", "0", {0xED, 0x46});
    b.plain("IM", "1", {0xED, 0x56});
    b.plain("IM", "2", {0xED, 0x5E});
    b.plain("EXX", "", {0xD9});
    b.plain("EX", "DE,HL", {0xEB});
    b.plain("EX", "AF,AF'", {0x08});
    b.plain("EX", "(SP),HL", {0xE3});
    for (const Index &ix : kIndex) {
        b.plain("EX", Text("(SP),") + ix.name, {ix.prefix, 0xE3});
    }
    const char *stackPairs[4] = {"BC", "DE", "HL", "AF"};
    for (std::uint8_t i = 0; i < 4; ++i) {
        b.plain("PUSH", stackPairs[i], {static_cast<std::uint8_t>(0xC5 | i << 4)});
        b.plain("POP", stackPairs[i], {static_cast<std::uint8_t>(0xC1 | i << 4)});
    }
    for (const Index &ix : kIndex) {
        b.plain("PUSH", ix.name, {ix.prefix, 0xE5});
        b.plain("POP", ix.name, {ix.prefix, 0xE1});
    }
    struct Block {
        const char *mnemonic;
        std::uint8_t op;
    };
    constexpr std::array<Block, 16> blocks{{{"LDI", 0xA0},
                                            {"CPI", 0xA1},
                                            {"INI", 0xA2},
                                            {"OUTI", 0xA3},
                                            {"LDD", 0xA8},
                                            {"CPD", 0xA9},
                                            {"IND", 0xAA},
                                            {"OUTD", 0xAB},
                                            {"LDIR", 0xB0},
                                            {"CPIR", 0xB1},
                                            {"INIR", 0xB2},
                                            {"OTIR", 0xB3},
                                            {"LDDR", 0xB8},
                                            {"CPDR", 0xB9},
                                            {"INDR", 0xBA},
                                            {"OTDR", 0xBB}}};
    for (const Block &blk : blocks) {
        b.plain(blk.mnemonic, "", {0xED, blk.op});
    }
    for (const Reg &r : kRegs) {
        if (r.code == 6) {
            continue;
        }
        b.plain("IN", Text(r.name) + ",(C)", {0xED, static_cast<std::uint8_t>(0x40 | r.code << 3)});
        b.plain("OUT", Text("(C),") + r.name,
                {0xED, static_cast<std::uint8_t>(0x41 | r.code << 3)});
    }
    b.plain("IN", "(C)", {0xED, 0x70}, kClassUndocumented);
    b.plain("IN", "F,(C)", {0xED, 0x70}, kClassUndocumented);
    b.plain("OUT", "(C),0", {0xED, 0x71}, kClassUndocumented);
    b.byte("IN", "A,(*)", {0xDB});
    b.byte("OUT", "(*),A", {0xD3});
}

constexpr void AddHD64180(Builder &b)
{
    constexpr std::uint8_t cls = kClassHD64180;
    const char *pairs[4] = {"BC", "DE", "HL", "SP"};
    for (std::uint8_t i = 0; i < 4; ++i) {
        b.plain("MLT", pairs[i], {0xED, static_cast<std::uint8_t>(0x4C | i << 4)}, cls);
    }
    for (const Reg &r : kRegs) {
        b.plain("TST", r.name, {0xED, static_cast<std::uint8_t>(0x04 | r.code << 3)}, cls);
        if (r.code == 6) {
            continue;
        }
        b.byte("IN0", Text(r.name) + ",(*)", {0xED, static_cast<std::uint8_t>(0x00 | r.code << 3)},
               cls);
        b.byte("OUT0", Text("(*),") + r.name, {0xED, static_cast<std::uint8_t>(0x01 | r.code << 3)},
               cls);
    }
    b.byte("TST", "*", {0xED, 0x64}, cls);
    b.byte("TSTIO", "*", {0xED, 0x74}, cls);
    b.plain("SLP", "", {0xED, 0x76}, cls);
    b.plain("OTIM", "", {0xED, 0x83}, cls);
    b.plain("OTDM", "", {0xED, 0x8B}, cls);
    b.plain("OTIMR", "", {0xED, 0x93}, cls);
    b.plain("OTDMR", "", {0xED, 0x9B}, cls);
}

// The rows packed into fixed arrays: grouped by mnemonic in name order, each group
// its exact rows sorted by pattern, then its wildcard rows in matching order.
constexpr std::size_t kMaxRows = 1024;
constexpr std::size_t kMaxTextBytes = 8192;
constexpr std::size_t kMaxMnemonics = 192;

struct PackedRow {
    std::uint16_t patternOffset = 0;
    std::uint8_t patternLength = 0;
    InstructionRow row; // everything but the pattern
};

struct PackedMnemonic {
    std::uint16_t nameOffset = 0;
    std::uint8_t nameLength = 0;
    std::uint16_t first = 0; // first row of the group
    std::uint16_t exactCount = 0;
    std::uint16_t wildcardCount = 0;
    std::uint8_t classes = 0;
};

struct PackedTable {
    std::array<char, kMaxTextBytes> text{}; // every mnemonic and pattern, back to back
    std::size_t textSize = 0;
    std::array<PackedRow, kMaxRows> rows{};
    std::size_t rowCount = 0;
    std::array<PackedMnemonic, kMaxMnemonics> mnemonics{};
    std::size_t mnemonicCount = 0;
};

constexpr bool IsWildcard(const Text &pattern)
{
    return pattern.view().find_first_of("*@") != std::string_view::npos;
}

constexpr PackedTable PackZ80()
{
    Builder b;
    AddLoads(b);
    AddArithmetic(b);
    AddRotatesAndBits(b);
    AddControl(b);
    AddMiscellaneous(b);
    AddHD64180(b);
    const std::vector<GeneratedRow> &rows = b.rows;

    // Grown one by one: clang rejects a vector of a given size in a constant
    // expression.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        order.push_back(i);
    }
    std::sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        const GeneratedRow &a = rows[x];
        const GeneratedRow &c = rows[y];
        if (a.mnemonic.view() != c.mnemonic.view()) {
            return a.mnemonic.view() < c.mnemonic.view();
        }
        bool wa = IsWildcard(a.pattern);
        bool wc = IsWildcard(c.pattern);
        if (wa != wc) {
            return !wa;
        }
        if (!wa && a.pattern.view() != c.pattern.view()) {
            return a.pattern.view() < c.pattern.view();
        }
        return x < y;
    });

    PackedTable t;
    auto store = [&t](const Text &s) {
        auto offset = static_cast<std::uint16_t>(t.textSize);
        for (char ch : s.view()) {
            t.text[t.textSize++] = ch;
        }
        return offset;
    };
    for (std::size_t index : order) {
        const GeneratedRow &g = rows[index];
        if (t.mnemonicCount == 0 ||
            rows[order[t.mnemonics[t.mnemonicCount - 1].first]].mnemonic.view() !=
                g.mnemonic.view()) {
            PackedMnemonic &m = t.mnemonics[t.mnemonicCount++];
            m.nameOffset = store(g.mnemonic);
            m.nameLength = static_cast<std::uint8_t>(g.mnemonic.view().size());
            m.first = static_cast<std::uint16_t>(t.rowCount);
        }
        PackedMnemonic &m = t.mnemonics[t.mnemonicCount - 1];
        ++(IsWildcard(g.pattern) ? m.wildcardCount : m.exactCount);
        m.classes |= g.rowClass;

        PackedRow &p = t.rows[t.rowCount++];
        p.patternOffset = store(g.pattern);
        p.patternLength = static_cast<std::uint8_t>(g.pattern.view().size());
        for (int i = 0; i < 4; ++i) {
            p.row.opcode[i] = g.opcode[i];
        }
        p.row.opcodeLength = g.opcodeLength;
        p.row.kind = g.kind;
        p.row.argBytes = g.argBytes;
        p.row.rowClass = g.rowClass;
    }
    return t;
}

constexpr PackedTable kPacked = PackZ80();
static_assert(kPacked.rowCount < kMaxRows && kPacked.textSize < kMaxTextBytes &&
                  kPacked.mnemonicCount < kMaxMnemonics,
              "the Z80 table outgrew its packing limits");

constexpr std::array<char, kPacked.textSize> kText = [] {
    std::array<char, kPacked.textSize> text{};
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = kPacked.text[i];
    }
    return text;
}();

constexpr std::array<InstructionRow, kPacked.rowCount> kRows = [] {
    std::array<InstructionRow, kPacked.rowCount> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PackedRow &p = kPacked.rows[i];
        rows[i] = p.row;
        rows[i].pattern = std::string_view(kText.data() + p.patternOffset, p.patternLength);
    }
    return rows;
}();

// A mnemonic of up to eight characters as one number, first character highest, so
// that numbers sort as the names do and a lookup compares integers.
constexpr std::uint64_t MnemonicKey(std::string_view name)
{
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        key = key << 8 | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
    }
    return key;
}

struct NamedRows {
    std::uint64_t key;
    MnemonicRows rows;
};

constexpr std::array<NamedRows, kPacked.mnemonicCount> kMnemonics = [] {
    std::array<NamedRows, kPacked.mnemonicCount> out{};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const PackedMnemonic &m = kPacked.mnemonics[i];
        const InstructionRow *first = kRows.data() + m.first;
        out[i].key = MnemonicKey(std::string_view(kText.data() + m.nameOffset, m.nameLength));
        out[i].rows.exact = std::span<const InstructionRow>(first, m.exactCount);
        out[i].rows.wildcard =
            std::span<const InstructionRow>(first + m.exactCount, m.wildcardCount);
        out[i].rows.classes = m.classes;
    }
    return out;
}();
static_assert(std::is_sorted(kMnemonics.begin(), kMnemonics.end(),
                             [](const NamedRows &a, const NamedRows &b) { return a.key < b.key; }));
static_assert(std::all_of(kPacked.mnemonics.begin(),
                          kPacked.mnemonics.begin() + kPacked.mnemonicCount,
                          [](const PackedMnemonic &m) { return m.nameLength <= 8; }),
              "mnemonics must fit their keys");

} // namespace

const MnemonicRows *Z80Mnemonic(std::string_view upperMnemonic)
{
    // A NUL would make a shorter name's key; no mnemonic holds one.
    if (upperMnemonic.size() > 8 || upperMnemonic.find('\0') != std::string_view::npos) {
        return nullptr;
    }
    const std::uint64_t key = MnemonicKey(upperMnemonic);
    auto it =
        std::lower_bound(kMnemonics.begin(), kMnemonics.end(), key,
                         [](const NamedRows &entry, std::uint64_t k) { return entry.key < k; });
    return it != kMnemonics.end() && it->key == key ? &it->rows : nullptr;
}

} // namespace vexil::tasm
