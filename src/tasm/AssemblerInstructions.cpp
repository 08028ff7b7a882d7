// SPDX-License-Identifier: GPL-3.0-or-later
// Matching an instruction's operands against the table and placing the bytes.
#include "tasm/Assembler.h"

#include "base/AsciiText.h"

#include <cstdio>

namespace vexil::tasm {

namespace {

using Captures = std::vector<std::pair<std::size_t, std::size_t>>;

// Compares upper-cased, blank-free operand text with a pattern. `*` takes a
// non-empty expression, `@` an empty or signed index displacement; a wildcard ends
// at the first occurrence of the literal text after it (at the very end for the
// last one). There is no backtracking, as in the old table matcher.
bool MatchPattern(std::string_view pattern, const std::string &text, Captures &caps)
{
    caps.clear();
    std::size_t p = 0;
    std::size_t t = 0;
    while (p < pattern.size()) {
        char pc = pattern[p];
        if (pc != '*' && pc != '@') {
            if (t >= text.size() || text[t] != pc) {
                return false;
            }
            ++p;
            ++t;
            continue;
        }
        std::size_t q = p + 1;
        while (q < pattern.size() && pattern[q] != '*' && pattern[q] != '@') {
            ++q;
        }
        std::string_view literal(pattern.data() + p + 1, q - p - 1);
        std::size_t end;
        if (q == pattern.size()) {
            if (text.size() < t + literal.size()) {
                return false;
            }
            end = text.size() - literal.size();
            if (text.compare(end, literal.size(), literal) != 0) {
                return false;
            }
        } else {
            if (literal.empty()) {
                return false;
            }
            end = text.find(literal, t);
            if (end == std::string::npos) {
                return false;
            }
        }
        if (end < t) {
            return false;
        }
        if (pc == '*' && end == t) {
            return false;
        }
        if (pc == '@' && end > t && text[t] != '+' && text[t] != '-') {
            return false;
        }
        caps.emplace_back(t, end);
        t = end + literal.size();
        p = q;
    }
    return t == text.size();
}

// Whether a capture is wrapped whole in one pair of parentheses.
bool FullyParenthesised(std::string_view text)
{
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') {
        return false;
    }
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            --depth;
            if (depth == 0 && i + 1 != text.size()) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool Assembler::rowEnabled(const InstructionRow &row) const
{
    if (row.rowClass & kClassUndocumented) {
        return options_.undocumented;
    }
    return (row.rowClass & options_.classMask) != 0;
}

const InstructionRow *Assembler::matchRow(const MnemonicRows &rows, const std::string &upper,
                                          Captures &caps) const
{
    for (const InstructionRow &row : rows.exactMatches(upper)) {
        if (rowEnabled(row)) {
            caps.clear();
            return &row;
        }
    }
    for (const InstructionRow &row : rows.wildcard) {
        if (rowEnabled(row) && MatchPattern(row.pattern, upper, caps)) {
            return &row;
        }
    }
    return nullptr;
}

void Assembler::assembleInstruction(const Statement &st)
{
    std::string mnemonic = base::AsciiUpper(st.op);
    const MnemonicRows *added = added_.find(mnemonic);
    const MnemonicRows *builtIn = Z80Mnemonic(mnemonic);
    if (builtIn) {
        // A mnemonic of a class the run has not enabled is unknown, not misused.
        std::uint8_t usable = builtIn->classes & static_cast<std::uint8_t>(options_.classMask) &
                              static_cast<std::uint8_t>(~kClassUndocumented);
        if (options_.undocumented) {
            usable |= builtIn->classes & kClassUndocumented;
        }
        if (!usable) {
            builtIn = nullptr;
        }
    }
    if (!added && !builtIn) {
        error(msg::kUnknownInstruction, mnemonic, Place::After);
        return;
    }
    std::string compact = CompactOperand(st.operand);
    std::string upper = base::AsciiUpper(compact);
    Captures caps;
    const InstructionRow *row = added ? matchRow(*added, upper, caps) : nullptr;
    if (!row && builtIn) {
        row = matchRow(*builtIn, upper, caps);
    }
    if (!row) {
        error(msg::kUnknownArgument, compact, Place::After);
        return;
    }
    if (!finalPass()) {
        pc_ += row->length();
        return;
    }
    encode(*row, compact, caps);
}

void Assembler::checkOperandStyle(std::string_view capture, bool indirectInPattern)
{
    if ((options_.checkMask & kCheckIndirection) && !indirectInPattern &&
        FullyParenthesised(capture)) {
        error(msg::kNoIndirection);
    }
    if ((options_.checkMask & kCheckNonUnary) && !capture.empty()) {
        switch (capture[0]) {
        case '%':
        case '*':
        case '/':
        case '<':
        case '>':
        case '=':
        case '&':
        case '!':
            error(msg::kNonUnary);
            break;
        default:
            break;
        }
    }
}

void Assembler::encode(const InstructionRow &row, const std::string &compact, const Captures &caps)
{
    const std::int32_t start = static_cast<std::int32_t>(pc_);
    std::vector<std::string_view> texts;
    {
        std::size_t c = 0;
        for (std::size_t i = 0; i < row.pattern.size() && c < caps.size(); ++i) {
            char p = row.pattern[i];
            if (p != '*' && p != '@') {
                continue;
            }
            std::string_view text(compact.data() + caps[c].first, caps[c].second - caps[c].first);
            if (p == '*') {
                checkOperandStyle(text, i > 0 && row.pattern[i - 1] == '(');
            }
            texts.push_back(text);
            ++c;
        }
    }
    auto evaluateCapture = [&](std::size_t i, bool &ok) -> std::int32_t {
        ExprResult r = evaluateQuiet(texts.at(i), true);
        if (!r.ok) {
            reportExpression(r);
            ok = false;
            return 0;
        }
        return r.value;
    };
    auto displacement = [&](std::size_t i) -> std::uint8_t {
        if (texts.at(i).empty()) {
            return 0;
        }
        std::string expression(1, '0');
        expression += texts[i];
        ExprResult r = evaluateQuiet(expression, true);
        if (!r.ok) {
            reportExpression(r);
            return 0;
        }
        if (r.value < -128 || r.value > 127) {
            error(msg::kArgumentRange, std::string(texts[i]));
        }
        return static_cast<std::uint8_t>(r.value);
    };
    auto opcodes = [&](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            emit(row.opcode[i]);
        }
    };

    switch (row.kind) {
    case ArgKind::None:
        opcodes(row.opcodeLength);
        break;
    case ArgKind::Bytes: {
        bool ok = true;
        std::int32_t v = texts.empty() ? 0 : evaluateCapture(0, ok);
        if (ok && (options_.checkMask & kCheckUnusedData) && row.argBytes < 4) {
            std::uint32_t high = static_cast<std::uint32_t>(v) >> (8 * row.argBytes);
            if (high > 0 && high < 0xFFFF) {
                char text[16];
                std::snprintf(text, sizeof text, "%X", high);
                error(msg::kUnusedData, text);
            }
        }
        opcodes(row.opcodeLength);
        for (int i = 0; i < row.argBytes; ++i) {
            emit(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
        }
        break;
    }
    case ArgKind::Relative: {
        bool ok = true;
        std::int32_t target = evaluateCapture(0, ok);
        std::int64_t offset = static_cast<std::int64_t>(target) - (start + row.length());
        if (ok && (offset < -128 || offset > 127)) {
            error(msg::kRelativeRange);
        }
        if (!ok || offset < -128 || offset > 127) {
            offset = 0;
        }
        opcodes(row.opcodeLength);
        emit(static_cast<std::uint8_t>(offset));
        break;
    }
    case ArgKind::Index: {
        std::uint8_t d = displacement(0);
        opcodes(row.opcodeLength);
        emit(d);
        break;
    }
    case ArgKind::IndexByte: {
        std::uint8_t d = displacement(0);
        bool ok = true;
        std::int32_t n = evaluateCapture(1, ok);
        if (ok && (n < -128 || n > 255)) {
            error(msg::kArgumentRange, std::string(texts[1]));
        }
        opcodes(row.opcodeLength);
        emit(d);
        emit(static_cast<std::uint8_t>(n));
        break;
    }
    case ArgKind::IndexCB: {
        std::uint8_t d = displacement(0);
        emit(row.opcode[0]);
        emit(row.opcode[1]);
        emit(d);
        emit(row.opcode[2]);
        break;
    }
    case ArgKind::Bit:
    case ArgKind::BitIndex: {
        bool ok = true;
        std::int32_t bit = evaluateCapture(0, ok);
        if (ok && (bit < 0 || bit > 7)) {
            error(msg::kArgumentRange, std::string(texts[0]));
            bit = 0;
        }
        auto withBit = [&](std::uint8_t op) {
            return static_cast<std::uint8_t>(op | (bit & 7) << 3);
        };
        if (row.kind == ArgKind::Bit) {
            opcodes(static_cast<std::size_t>(row.opcodeLength - 1));
            emit(withBit(row.opcode[row.opcodeLength - 1]));
        } else {
            std::uint8_t d = displacement(1);
            emit(row.opcode[0]);
            emit(row.opcode[1]);
            emit(d);
            emit(withBit(row.opcode[2]));
        }
        break;
    }
    }
}

} // namespace vexil::tasm
