// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceGenerator.h"

#include <cctype>
#include <cstdio>
#include <fstream>

namespace vexil::tasm::bench {

namespace {

struct Spelling {
    std::string org, equ, db, dw, include, labelEnd, hexPrefix, hexSuffix;
    std::string macroHead, macroTail, macroUse; // macro named M1 with parameter val
};

Spelling SpellingOf(Dialect d)
{
    switch (d) {
    case Dialect::Tasm:
        return {".org", ".equ",     ".db",
                ".dw",  "#include", ":",
                "",     "h",        "#define M1(val) ld a,val \\ inc a",
                "",     "M1(b)"};
    case Dialect::Pasmo:
        return {"org",    "equ",     "db",
                "dw",     "include", ":",
                "",       "h",       "M1\tmacro val\n\tld a,val\n\tinc a",
                "\tendm", "M1 b"};
    case Dialect::Z80asm:
        return {"org",    "equ",     "db",
                "dw",     "include", ":",
                "0x",     "",        "M1:\tmacro val\n\tld a,val\n\tinc a",
                "\tendm", "M1 b"};
    }
    return {};
}

std::string Hex(const Spelling &s, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X", value);
    std::string digits = text;
    if (s.hexPrefix.empty() && !std::isdigit(static_cast<unsigned char>(digits[0]))) {
        digits.insert(0, 1, '0');
    }
    return s.hexPrefix + digits + s.hexSuffix;
}

// Bytes of code and data in one block.
constexpr unsigned kBlockBytes = 29;

// 50 lines that produce kBlockBytes bytes.
void WriteBlock(std::ostream &out, const Spelling &s, int n, int equates, Dialect d)
{
    const std::string label = "L" + std::to_string(n);
    const std::string equLabel = d == Dialect::Z80asm ? ":" : "";
    out << label << s.labelEnd << "\n";
    out << "; block " << n << ": register traffic\n";
    static const char *oneByte[] = {"ld a,b", "inc a",    "add a,c", "xor a",    "push hl",
                                    "pop hl", "ex de,hl", "rla",     "dec b",    "or c",
                                    "ld c,a", "and d",    "cp e",    "ld (hl),a"};
    for (const char *op : oneByte) {
        out << "\t" << op << "\n";
    }
    out << "\tld hl," << label << "\t; address of the block\n";
    out << "\tjr " << label << "\n";
    out << "\tld a,(ix+5)\n";
    if (equates > 0) {
        out << "\tcall E" << (n * 7919) % equates << "\n";
    } else {
        out << "\tcall " << label << "\n";
    }
    out << "\t" << s.db << " 1,2\n";
    out << "\t" << s.macroUse << "\n";
    for (int k = 0; k < 10; ++k) {
        out << "C" << n << "_" << k << equLabel << "\t" << s.equ << "\t"
            << Hex(s, (n * 10 + k) & 0xFFFF) << "\n";
    }
    for (int k = 0; k < 9; ++k) {
        out << "; comment line " << k << " of block " << n << ", as sources are full of them\n";
    }
    for (int k = 0; k < 10; ++k) {
        out << "\n";
    }
}

} // namespace

GeneratedSource GenerateSource(const std::filesystem::path &folder, Dialect dialect, int blocks,
                               int equates)
{
    std::filesystem::create_directories(folder);
    const Spelling s = SpellingOf(dialect);
    GeneratedSource result;
    result.main = folder / "main.asm";
    std::ofstream main(result.main);
    main << "; generated benchmark program\n";
    main << s.macroHead << "\n";
    if (!s.macroTail.empty()) {
        main << s.macroTail << "\n";
    }
    result.lines += 3;
    if (equates > 0) {
        std::ofstream eq(folder / "equates.inc");
        const std::string equLabel = dialect == Dialect::Z80asm ? ":" : "";
        for (int i = 0; i < equates; ++i) {
            eq << "E" << i << equLabel << "\t" << s.equ << "\t" << Hex(s, 0x4000 + (i & 0x3FFF))
               << "\n";
        }
        main << s.include << " \"equates.inc\"\n";
        result.lines += equates + 1;
    }
    main << "\t" << s.org << " " << Hex(s, 0x1000) << "\n";
    // Ten files at least, and no more than 1,000 blocks in one, so that a part starting
    // again at 1000h keeps a program of any length inside 64 KB.
    const int files = blocks > 10000 ? (blocks + 999) / 1000 : 10;
    unsigned address = 0x1000;
    for (int f = 0; f < files; ++f) {
        std::string name = "part" + std::to_string(f) + ".inc";
        std::ofstream part(folder / name);
        const unsigned partBytes =
            static_cast<unsigned>((f + 1) * blocks / files - f * blocks / files) * kBlockBytes;
        if (address + partBytes > 0x10000) {
            part << "\t" << s.org << " " << Hex(s, 0x1000) << "\n";
            result.lines += 1;
            address = 0x1000;
        }
        address += partBytes;
        for (int b = f * blocks / files; b < (f + 1) * blocks / files; ++b) {
            WriteBlock(part, s, b, equates, dialect);
            result.lines += 50;
        }
        main << s.include << " \"" << name << "\"\n";
        result.lines += 1;
    }
    if (dialect == Dialect::Tasm) {
        main << "\t.end\n";
    }
    return result;
}

} // namespace vexil::tasm::bench
