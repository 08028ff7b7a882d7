// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ti83Programs.h"

#include "base/AsciiText.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

namespace vexil::tasm::bench {

namespace {

struct Spelling {
    const char *include;
    const char *org;
    const char *db;
    const char *dw;
    const char *end; // nullptr: no end directive
    bool hexPrefix;  // 0x9327 instead of 9327h
    bool labelColon; // equates need `name:`
};

Spelling SpellingOf(Dialect d)
{
    switch (d) {
    case Dialect::Tasm:
        return {"#include", ".org", ".db", ".dw", ".end", false, false};
    case Dialect::Pasmo:
        return {"include", "org", "db", "dw", "end", false, true};
    case Dialect::Z80asm:
        return {"include", "org", "db", "dw", nullptr, true, true};
    }
    return {};
}

std::string Hex(const Spelling &s, unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, s.hexPrefix ? "0x%04X" : "0%04Xh", value);
    return text;
}

// The include file in another assembler's spelling. Names that another assembler
// reserves (pasmo reads `Ld`, `Le` and `Lt` as keywords in any case) get a trailing
// underscore; the programs do not use them.
std::string ConvertInclude(const std::string &text, Dialect dialect)
{
    if (dialect == Dialect::Tasm) {
        return text;
    }
    static const std::set<std::string> reserved{"LD", "LE", "LT", "EQ", "NE", "GT", "GE"};
    const Spelling s = SpellingOf(dialect);
    std::istringstream in(text);
    std::ostringstream out;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name, directive, value;
        fields >> name >> directive >> value;
        if (name == ".nolist" || name == ".list") {
            out << ";\n";
            continue;
        }
        if (directive != ".equ") {
            out << line << "\n";
            continue;
        }
        std::string upper;
        for (char c : name) {
            upper += base::AsciiUpper(c);
        }
        if (reserved.count(upper)) {
            name += '_';
        }
        unsigned number =
            static_cast<unsigned>(std::stoul(value.substr(0, value.size() - 1), nullptr, 16));
        out << name << (s.labelColon ? ":" : "") << "\t\tequ\t" << Hex(s, number) << "\n";
    }
    return out.str();
}

// Same length, same lines, nothing but comments.
std::string CommentsLike(const std::string &text)
{
    std::string out = text;
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find('\n', start);
        if (end == std::string::npos) {
            end = out.size();
        }
        if (end > start) {
            out[start] = ';';
            for (std::size_t i = start + 1; i < end; ++i) {
                out[i] = 'x';
            }
        }
        start = end + 1;
    }
    return out;
}

void WriteProgram(std::ostream &out, const Spelling &s, int n)
{
    const std::string colon = ":";
    out << "; Program " << n << ": a menu, a counter and some sprites\n";
    out << s.include << " \"ti83asm.inc\"\n";
    out << "\t" << s.org << " " << Hex(s, 0x9327) << "\n";
    out << "start" << colon << "\n";
    for (const char *line :
         {"call _runIndicOff", "call _CLRLCDFULL", "res textInverse,(iy+textflags)", "ld hl,0",
          "ld (CURROW),hl", "ld hl,title", "call _puts", "call _newline"}) {
        out << "\t" << line << "\n";
    }
    out << "\tld b," << 5 + n % 7 << "\n";
    out << "count" << colon << "\n";
    for (const char *line :
         {"push bc", "ld l,b", "ld h,0", "call _dispHL", "call _newline", "pop bc", "djnz count"}) {
        out << "\t" << line << "\n";
    }
    const int routines = 8;
    for (int r = 0; r < routines; ++r) {
        out << "\tcall draw" << r << "\n";
    }
    out << "waitkey" << colon << "\n";
    for (const char *line : {"call _getkey", "cp kClear", "jr z,done", "cp kEnter", "jr nz,waitkey",
                             "set textInverse,(iy+textflags)", "ld hl,title", "call _puts",
                             "res textInverse,(iy+textflags)", "jr waitkey"}) {
        out << "\t" << line << "\n";
    }
    out << "done" << colon << "\n\tcall _CLRLCDFULL\n\tcall _homeUp\n\tret\n\n";
    for (int r = 0; r < routines; ++r) {
        out << "; draw sprite " << r << " into the graph buffer\n";
        out << "draw" << r << colon << "\n";
        out << "\tld hl,sprite" << r << "\n";
        out << "\tld de,PLOTSSCREEN+" << 12 * (r + n % 5) << "\n";
        out << "\tld b,8\n";
        out << "draw" << r << "loop" << colon << "\n";
        for (const char *line : {"ld a,(hl)", "ld (de),a", "inc hl", "push hl", "ld hl,12",
                                 "add hl,de", "ex de,hl", "pop hl"}) {
            out << "\t" << line << "\n";
        }
        out << "\tdjnz draw" << r << "loop\n\tret\n";
        out << "sprite" << r << colon << "\n";
        out << "\t" << s.db << " " << Hex(s, (0x18 + r + n) & 0xFF) << "," << Hex(s, 0x3C) << ","
            << Hex(s, 0x7E) << "," << Hex(s, 0xFF) << "\n";
        out << "\t" << s.db << " " << Hex(s, 0xFF) << "," << Hex(s, 0x7E) << "," << Hex(s, 0x3C)
            << "," << Hex(s, (0x18 + r) & 0xFF) << "\n";
    }
    out << "table" << colon << "\n";
    out << "\t" << s.dw << " start,count,waitkey,done,draw0,draw1\n";
    out << "title" << colon << "\n";
    out << "\t" << s.db << " \"Program " << n << "\",0\n";
    if (s.end) {
        out << "\t" << s.end << "\n";
    }
}

void WriteOneLiner(const std::filesystem::path &file, const Spelling &s, const char *include)
{
    std::ofstream out(file);
    out << s.include << " \"" << include << "\"\n";
    out << "\t" << s.org << " " << Hex(s, 0x9327) << "\n\tret\n";
    if (s.end) {
        out << "\t" << s.end << "\n";
    }
}

} // namespace

std::string ProgramName(int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "prog%02d.asm", index);
    return name;
}

void WriteTi83Programs(const std::filesystem::path &folder, Dialect dialect, int programs,
                       const std::string &includeText)
{
    std::filesystem::create_directories(folder);
    const Spelling s = SpellingOf(dialect);
    const std::string include = ConvertInclude(includeText, dialect);
    std::ofstream(folder / "ti83asm.inc") << include;
    std::ofstream(folder / "comments.inc") << CommentsLike(include);
    for (int i = 0; i < programs; ++i) {
        std::ofstream out(folder / ProgramName(i));
        WriteProgram(out, s, i);
    }
    WriteOneLiner(folder / "equates.asm", s, "ti83asm.inc");
    WriteOneLiner(folder / "comments.asm", s, "comments.inc");
}

} // namespace vexil::tasm::bench
