// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Z80Tokens.h"

#include "base/AsciiText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace vexil::editor {
namespace {

constexpr std::array kInstructions = {
    "adc",  "add",  "and",  "bit",  "call", "ccf",  "cp",  "cpd",  "cpdr", "cpi",  "cpir", "cpl",
    "daa",  "dec",  "di",   "djnz", "ei",   "ex",   "exx", "halt", "im",   "in",   "inc",  "ind",
    "indr", "ini",  "inir", "jp",   "jr",   "ld",   "ldd", "lddr", "ldi",  "ldir", "neg",  "nop",
    "or",   "otdr", "otir", "out",  "outd", "outi", "pop", "push", "res",  "ret",  "reti", "retn",
    "rl",   "rla",  "rlc",  "rlca", "rld",  "rr",   "rra", "rrc",  "rrca", "rrd",  "rst",  "sbc",
    "scf",  "set",  "sla",  "sll",  "sra",  "srl",  "sub", "xor"};

constexpr std::array kRegisters = {"a",   "b",   "c",  "d",  "e",  "h",  "l",  "i",   "r",
                                   "af",  "bc",  "de", "hl", "ix", "iy", "sp", "ixh", "ixl",
                                   "iyh", "iyl", "nz", "z",  "nc", "po", "pe", "p",   "m"};

// Directives that TASM also accepts without a leading dot or hash.
constexpr std::array kBareDirectives = {"equ", "org", "end"};

bool IsIdentStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsIdentChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

template <std::size_t N> bool Contains(const std::array<const char *, N> &words, std::string_view w)
{
    const std::string lower = base::AsciiLower(w);
    return std::any_of(words.begin(), words.end(), [&](const char *x) { return lower == x; });
}

std::size_t ScanWhile(std::string_view line, std::size_t at, bool (*accept)(char))
{
    while (at < line.size() && accept(line[at])) {
        ++at;
    }
    return at;
}

std::size_t ScanString(std::string_view line, std::size_t at)
{
    const char quote = line[at++];
    while (at < line.size()) {
        if (line[at] == '\\' && at + 1 < line.size()) {
            at += 2;
        } else if (line[at++] == quote) {
            break;
        }
    }
    return at;
}

bool IsNumberChar(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) || c == 'h' || c == 'H' || c == 'x' ||
           c == 'X' || c == 'o' || c == 'O' || c == 'q' || c == 'Q';
}

} // namespace

std::vector<Z80Token> TokenizeZ80Line(std::string_view line)
{
    std::vector<Z80Token> tokens;
    std::size_t at = 0;
    bool firstWord = true;
    auto add = [&](std::size_t start, std::size_t end, Z80TokenKind kind) {
        tokens.push_back({start, end - start, kind});
        // The mnemonic is the first word after an optional label.
        firstWord = firstWord && kind == Z80TokenKind::Label;
    };
    while (at < line.size()) {
        const char c = line[at];
        const std::size_t start = at;
        if (c == ';') {
            add(start, line.size(), Z80TokenKind::Comment);
            break;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++at;
            continue;
        }
        if (c == '"' || c == '\'') {
            // af' is a register, not the start of a character constant.
            if (c == '\'' && !tokens.empty() && tokens.back().kind == Z80TokenKind::Register &&
                tokens.back().start + tokens.back().length == at) {
                ++tokens.back().length;
                ++at;
                continue;
            }
            add(start, ScanString(line, at), Z80TokenKind::String);
            at = tokens.back().start + tokens.back().length;
            continue;
        }
        if ((c == '.' || c == '#') && at + 1 < line.size() && IsIdentStart(line[at + 1])) {
            at = ScanWhile(line, at + 1, IsIdentChar);
            add(start, at, Z80TokenKind::Directive);
            continue;
        }
        const bool prefixedNumber = (c == '$' || c == '%' || c == '@') && at + 1 < line.size() &&
                                    std::isxdigit(static_cast<unsigned char>(line[at + 1]));
        if (prefixedNumber || std::isdigit(static_cast<unsigned char>(c))) {
            at = ScanWhile(line, at + 1, IsNumberChar);
            add(start, at, Z80TokenKind::Number);
            continue;
        }
        if (IsIdentStart(c)) {
            at = ScanWhile(line, at, IsIdentChar);
            const std::string_view word = line.substr(start, at - start);
            Z80TokenKind kind = Z80TokenKind::Default;
            if (start == 0) {
                kind = Z80TokenKind::Label;
                if (at < line.size() && line[at] == ':') {
                    ++at;
                }
            } else if (Contains(kBareDirectives, word)) {
                kind = Z80TokenKind::Directive;
            } else if (firstWord && Contains(kInstructions, word)) {
                kind = Z80TokenKind::Instruction;
            } else if (!firstWord && Contains(kRegisters, word)) {
                kind = Z80TokenKind::Register;
            }
            add(start, at, kind);
            continue;
        }
        ++at;
    }
    return tokens;
}

} // namespace vexil::editor
