// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Statement.h"

#include "tasm/Characters.h"

namespace vexil::tasm {

std::string_view Trim(std::string_view text)
{
    std::size_t a = 0;
    std::size_t b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t')) {
        ++a;
    }
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t')) {
        --b;
    }
    return text.substr(a, b - a);
}

using chars::IsBlank;

// End of a quoted run starting at `i` (the quote), past the closing quote.
static std::size_t SkipQuoted(std::string_view s, std::size_t i)
{
    char quote = s[i];
    std::size_t j = i + 1;
    while (j < s.size() && s[j] != quote) {
        j += (quote == '"' && s[j] == '\\' && j + 1 < s.size()) ? 2 : 1;
    }
    return j < s.size() ? j + 1 : s.size();
}

Statement ParseStatement(std::string_view line, std::size_t start, bool firstOfLine,
                         char commentChar, char localChar)
{
    Statement st;
    std::size_t p = start;
    const std::size_t n = line.size();
    if (p >= n) {
        return st;
    }
    if (firstOfLine && line[p] == commentChar) {
        return st;
    }
    char c = line[p];
    if (chars::IsLetter(c) || c == '_' || c == localChar) {
        std::size_t q = p;
        while (q < n && !chars::Has(line[q], chars::kLabelEnd)) {
            ++q;
        }
        if (q < n && line[q] == '=' && q > p) {
            ++q; // kept in the name, as the old assembler did: `X=5` is not an equate
        }
        st.label = line.substr(p, q - p);
        p = q;
        if (p < n && line[p] == ':') {
            ++p;
        }
    }
    while (p < n && IsBlank(line[p])) {
        ++p;
    }
    if (p >= n || line[p] == ';') {
        return st;
    }
    if (line[p] == '\\') {
        st.next = p + 1;
        return st;
    }
    std::size_t opStart = p;
    if (line[p] == '=') {
        ++p;
    } else if ((line[p] == '*' || line[p] == '$') && p + 1 < n && line[p + 1] == '=') {
        p += 2;
    } else {
        while (p < n && !chars::Has(line[p], chars::kFieldEnd)) {
            ++p;
        }
    }
    st.op = line.substr(opStart, p - opStart);
    st.isDirective = !chars::IsLetter(st.op[0]);
    while (p < n && IsBlank(line[p])) {
        ++p;
    }
    std::size_t operandStart = p;
    while (p < n) {
        char d = line[p];
        if (!chars::Has(d, chars::kOperandStop)) {
            ++p;
            continue;
        }
        if (d == ';' || d == '\\') {
            break;
        }
        if (st.isDirective && (d == '"' || d == '\'')) {
            p = SkipQuoted(line, p);
            continue;
        }
        if (!st.isDirective && d == '\'' && p + 2 < n && line[p + 2] == '\'' &&
            line[p + 1] != ';') {
            p += 3;
            continue;
        }
        ++p;
    }
    st.operand = Trim(line.substr(operandStart, p - operandStart));
    if (p < n && line[p] == '\\') {
        st.next = p + 1;
    }
    return st;
}

std::string CompactOperand(std::string_view operand)
{
    std::string out;
    out.reserve(operand.size());
    for (std::size_t i = 0; i < operand.size(); ++i) {
        char c = operand[i];
        if (c == '\'' && i + 2 < operand.size() && operand[i + 2] == '\'') {
            out.append(operand.substr(i, 3));
            i += 2;
            continue;
        }
        if (c == '"') {
            std::size_t end = SkipQuoted(operand, i);
            out.append(operand.substr(i, end - i));
            i = end - 1;
            continue;
        }
        if (!IsBlank(c)) {
            out += c;
        }
    }
    return out;
}

void SplitItems(std::string_view operand, std::vector<std::string_view> &items)
{
    items.clear();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < operand.size()) {
        char c = operand[i];
        if (c == '"' || (c == '\'' && i + 2 < operand.size() && operand[i + 2] == '\'')) {
            i = c == '"' ? SkipQuoted(operand, i) : i + 3;
            continue;
        }
        if (c == ',') {
            items.push_back(Trim(operand.substr(start, i - start)));
            start = i + 1;
        }
        ++i;
    }
    items.push_back(Trim(operand.substr(start)));
}

} // namespace vexil::tasm
