// SPDX-License-Identifier: GPL-3.0-or-later
// Directives: data, origin, equates, listing control, modules and table rows.
#include "tasm/Assembler.h"

#include "base/AsciiText.h"
#include "tasm/Characters.h"
#include "tasm/StringLiteral.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <sstream>

namespace vexil::tasm {

namespace {

enum class Directive : std::uint8_t {
    Equ,
    Set,
    Org,
    Byte,
    Word,
    Text,
    Block,
    Fill,
    Chk,
    End,
    List,
    NoList,
    Page,
    NoPage,
    Eject,
    Title,
    Codes,
    NoCodes,
    Echo,
    Export,
    Sym,
    Segment,
    LsFirst,
    MsFirst,
    Module,
    LocalLabelChar,
    CommentChar,
    AddInstr,
    Include,
    Preprocessor, // #define and the conditionals, also written with a dot
    Unknown,
};

// A directive name of up to 15 characters and its length as two numbers, so finding
// it takes a few integer comparisons instead of string comparisons.
struct NameKey {
    static constexpr std::size_t kMaxLength = 15;
    std::uint64_t first = 0;
    std::uint64_t second = 0;

    // `name` upper-cased; at most kMaxLength characters.
    static constexpr NameKey of(std::string_view name)
    {
        std::array<char, 16> bytes{};
        for (std::size_t i = 0; i < name.size(); ++i) {
            bytes[i] = base::AsciiUpper(name[i]);
        }
        bytes[kMaxLength] = static_cast<char>(name.size());
        return std::bit_cast<NameKey>(bytes);
    }
    constexpr bool operator<(const NameKey &o) const
    {
        return first != o.first ? first < o.first : second < o.second;
    }
    constexpr bool operator==(const NameKey &o) const = default;
};

struct DirectiveName {
    NameKey key;
    Directive directive;
};

constexpr auto kDirectives = [] {
    auto names = std::to_array<std::pair<std::string_view, Directive>>({
        {"ADDINSTR", Directive::AddInstr},
        {"AVSYM", Directive::Sym},
        {"BLOCK", Directive::Block},
        {"BSEG", Directive::Segment},
        {"BYTE", Directive::Byte},
        {"CHK", Directive::Chk},
        {"CODES", Directive::Codes},
        {"COMMENTCHAR", Directive::CommentChar},
        {"CSEG", Directive::Segment},
        {"DB", Directive::Byte},
        {"DEFCONT", Directive::Preprocessor},
        {"DEFINE", Directive::Preprocessor},
        {"DS", Directive::Block},
        {"DSEG", Directive::Segment},
        {"DW", Directive::Word},
        {"ECHO", Directive::Echo},
        {"EJECT", Directive::Eject},
        {"ELSE", Directive::Preprocessor},
        {"END", Directive::End},
        {"ENDIF", Directive::Preprocessor},
        {"EQU", Directive::Equ},
        {"EXPORT", Directive::Export},
        {"FILL", Directive::Fill},
        {"IF", Directive::Preprocessor},
        {"IFDEF", Directive::Preprocessor},
        {"IFNDEF", Directive::Preprocessor},
        {"INCLUDE", Directive::Include},
        {"LIST", Directive::List},
        {"LOCALLABELCHAR", Directive::LocalLabelChar},
        {"LSFIRST", Directive::LsFirst},
        {"MODULE", Directive::Module},
        {"MSFIRST", Directive::MsFirst},
        {"NOCODES", Directive::NoCodes},
        {"NOLIST", Directive::NoList},
        {"NOPAGE", Directive::NoPage},
        {"NSEG", Directive::Segment},
        {"ORG", Directive::Org},
        {"PAGE", Directive::Page},
        {"SET", Directive::Set},
        {"SYM", Directive::Sym},
        {"TEXT", Directive::Text},
        {"TITLE", Directive::Title},
        {"UNDEF", Directive::Preprocessor},
        {"WORD", Directive::Word},
        {"XSEG", Directive::Segment},
    });
    std::array<DirectiveName, names.size()> table{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        table[i] = {NameKey::of(names[i].first), names[i].second};
    }
    std::sort(table.begin(), table.end(),
              [](const DirectiveName &a, const DirectiveName &b) { return a.key < b.key; });
    return table;
}();

// `name` in any case.
Directive DirectiveNamed(std::string_view name)
{
    if (name.size() > NameKey::kMaxLength) {
        return Directive::Unknown;
    }
    const NameKey key = NameKey::of(name);
    auto it = std::lower_bound(
        kDirectives.begin(), kDirectives.end(), key,
        [](const DirectiveName &entry, const NameKey &k) { return entry.key < k; });
    return it != kDirectives.end() && it->key == key ? it->directive : Directive::Unknown;
}

} // namespace

void Assembler::assembleDirective(const Statement &st)
{
    std::string_view name;
    if (st.op == "=") {
        name = "EQU";
    } else if (st.op == "*=" || st.op == "$=") {
        name = "ORG";
    } else if (st.op[0] == '.' || st.op[0] == '#') {
        name = st.op.substr(1);
    } else {
        error(msg::kUnknownDirective, base::AsciiUpper(st.op), Place::After);
        return;
    }
    const Directive directive = DirectiveNamed(name);
    std::string_view operand = st.operand;

    switch (directive) {
    case Directive::Equ: {
        if (st.label.empty()) {
            error(msg::kLabelRequired, base::AsciiUpper(st.op));
            return;
        }
        ExprResult r = evaluateQuiet(operand, finalPass());
        if (!finalPass() && r.usedUndefined) {
            pass1Error(msg::kForwardEquate, r.undefinedName);
        }
        if (!r.ok) {
            reportExpression(r);
        }
        defineLabel(st.label, r.ok ? r.value : 0, LabelKind::Equate);
        return;
    }
    case Directive::Set: {
        Symbol *symbol = st.label.empty() ? nullptr : symbols_.find(symbolName(st.label));
        if (!symbol) {
            std::string label(st.label);
            if (finalPass()) {
                error(msg::kSetPass2, label);
            } else {
                pass1Error((std::string(msg::kSetPass1) + label).c_str());
            }
            return;
        }
        ExprResult r = evaluateQuiet(operand, finalPass());
        reportExpression(r);
        // Evaluating adds no labels, so the pointer is still good.
        symbol->value = r.ok ? r.value : 0;
        return;
    }
    case Directive::Org:
        if (auto v = value(operand)) {
            if (finalPass() && (*v < 0 || *v > 0xFFFF)) {
                char text[16];
                std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(*v));
                error(msg::kAddressRange, text);
            }
            setPc(*v);
        }
        outputs_.back().pc = static_cast<std::int32_t>(pc_);
        if (!st.label.empty()) {
            defineLabel(st.label, static_cast<std::int32_t>(pc_), LabelKind::Address);
        }
        return;
    default:
        break;
    }
    if (!st.label.empty()) {
        defineLabel(st.label, static_cast<std::int32_t>(pc_), LabelKind::Address);
    }

    switch (directive) {
    case Directive::Byte:
        directiveData(operand, 1);
        break;
    case Directive::Word:
        directiveData(operand, 2);
        break;
    case Directive::Text:
        directiveText(operand);
        break;
    case Directive::Block:
        if (auto v = value(operand)) {
            if (*v < 0) {
                error(msg::kArgumentRange, std::string(operand));
            } else {
                pc_ += *v;
            }
        }
        break;
    case Directive::Fill:
        directiveFill(operand);
        break;
    case Directive::Chk:
        directiveChk(operand);
        break;
    case Directive::End:
        seenEnd_ = true;
        break;
    case Directive::List:
        listOn_ = true;
        break;
    case Directive::NoList:
        listOn_ = false;
        break;
    case Directive::Page:
        if (finalPass()) {
            listing_->setPaging(true);
        }
        break;
    case Directive::NoPage:
        if (finalPass()) {
            listing_->setPaging(false);
        }
        break;
    case Directive::Eject:
        if (finalPass()) {
            listing_->eject();
        }
        break;
    case Directive::Title:
        if (auto text = quotedText(operand); text && finalPass()) {
            listing_->setTitle(*text);
        }
        break;
    case Directive::Codes:
        codesOn_ = true;
        break;
    case Directive::NoCodes:
        codesOn_ = false;
        break;
    case Directive::Echo:
        directiveEcho(operand);
        break;
    case Directive::Export:
        directiveExport(operand);
        break;
    case Directive::Sym:
        // The symbol file always goes to the name given on the command line: a source
        // must not be able to pick a file to overwrite.
        wantsSymbolFile_ = true;
        break;
    case Directive::Segment:
        segment_ = base::AsciiUpper(name[0]);
        break;
    case Directive::LsFirst:
        msFirst_ = false;
        break;
    case Directive::MsFirst:
        msFirst_ = true;
        break;
    case Directive::Module:
        module_ = std::string(Trim(operand));
        if (module_.empty()) {
            module_ = "noname";
        }
        break;
    case Directive::LocalLabelChar:
    case Directive::CommentChar: {
        auto text = quotedText(operand);
        if (!text || text->size() != 1) {
            error(msg::kArgumentRange, std::string(operand));
        } else if (directive == Directive::LocalLabelChar) {
            localChar_ = (*text)[0];
        } else {
            commentChar_ = (*text)[0];
        }
        break;
    }
    case Directive::AddInstr:
        directiveAddInstr(operand);
        break;
    case Directive::Include:
        directiveInclude(operand);
        break;
    case Directive::Preprocessor:
        conditionalDirective(base::AsciiUpper(name), operand);
        break;
    default:
        error(msg::kUnknownDirective, base::AsciiUpper(st.op), Place::After);
        break;
    }
}

std::optional<std::string> Assembler::quotedText(std::string_view operand)
{
    operand = Trim(operand);
    if (operand.empty() || operand[0] != '"') {
        return std::string(operand);
    }
    std::string text;
    if (!DecodeString(operand, text)) {
        error(msg::kNoTerminatingQuote, std::string(operand));
        return std::nullopt;
    }
    return text;
}

void Assembler::directiveData(std::string_view operand, int width)
{
    auto emitValue = [&](std::int32_t v) {
        auto u = static_cast<std::uint32_t>(v);
        if (width == 1) {
            emit(static_cast<std::uint8_t>(u));
        } else if (msFirst_) {
            emit(static_cast<std::uint8_t>(u >> 8));
            emit(static_cast<std::uint8_t>(u));
        } else {
            emit(static_cast<std::uint8_t>(u));
            emit(static_cast<std::uint8_t>(u >> 8));
        }
    };
    if (Trim(operand).empty()) {
        emitValue(0);
        return;
    }
    std::vector<std::string_view> items;
    SplitItems(operand, items);
    std::string text;
    for (std::string_view item : items) {
        if (width == 1 && !item.empty() && item[0] == '"') {
            std::string_view rest;
            if (!DecodeString(item, text, &rest)) {
                error(msg::kNoTerminatingQuote, std::string(item));
            } else if (!Trim(rest).empty()) {
                error(msg::kUnknownToken, std::string(Trim(rest)));
            }
            for (char c : text) {
                emit(static_cast<std::uint8_t>(c));
            }
            continue;
        }
        if (!finalPass()) {
            pc_ += width;
            continue;
        }
        emitValue(value(item).value_or(0));
    }
}

void Assembler::directiveText(std::string_view operand)
{
    operand = Trim(operand);
    std::string text;
    if (operand.empty() || operand[0] != '"') {
        error(msg::kInvalidToken, std::string(operand));
        return;
    }
    if (!DecodeString(operand, text)) {
        error(msg::kNoTerminatingQuote, std::string(operand));
    }
    for (char c : text) {
        emit(static_cast<std::uint8_t>(c));
    }
}

void Assembler::directiveFill(std::string_view operand)
{
    std::vector<std::string_view> items;
    SplitItems(operand, items);
    auto count = value(items[0]);
    if (!count) {
        return;
    }
    std::int32_t fill = 0xFF;
    if (items.size() > 1) {
        fill = value(items[1]).value_or(0xFF);
    }
    if (*count < 0) {
        error(msg::kArgumentRange, std::string(items[0]));
        return;
    }
    if (!finalPass()) {
        pc_ += *count;
        return;
    }
    if (pc_ < 0 || pc_ + *count > 0x10000) {
        char text[24];
        std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(pc_ + *count - 1));
        error(msg::kAddressRange, text);
        pc_ += *count;
        return;
    }
    for (std::int32_t i = 0; i < *count; ++i) {
        emit(static_cast<std::uint8_t>(fill));
    }
}

void Assembler::directiveChk(std::string_view operand)
{
    if (!finalPass()) {
        ++pc_;
        return;
    }
    std::int32_t from = value(operand).value_or(static_cast<std::int32_t>(pc_));
    std::uint8_t sum = 0;
    for (std::int64_t a = from < 0 ? 0 : from; a < pc_ && a <= 0xFFFF; ++a) {
        sum ^= image_->at(static_cast<std::uint16_t>(a));
    }
    emit(sum);
}

void Assembler::directiveEcho(std::string_view operand)
{
    if (!finalPass()) {
        return;
    }
    operand = Trim(operand);
    if (!operand.empty() && operand[0] == '"') {
        std::string text;
        if (!DecodeString(operand, text)) {
            error(msg::kNoTerminatingQuote, std::string(operand));
        }
        console_ += text;
        return;
    }
    if (auto v = value(operand)) {
        console_ += std::to_string(*v);
    }
}

void Assembler::directiveExport(std::string_view operand)
{
    if (!finalPass()) {
        return;
    }
    std::vector<std::string_view> items;
    SplitItems(operand, items);
    for (std::string_view item : items) {
        Symbol *symbol = symbols_.find(symbolName(item));
        if (item.empty() || !symbol) {
            error(msg::kNoSuchLabel, std::string(item));
            continue;
        }
        symbol->exported = true;
        char text[24];
        std::snprintf(text, sizeof text, " .EQU $%04X\n",
                      static_cast<unsigned>(symbol->value) & 0xFFFFu);
        exports_ += std::string(item) + text;
    }
}

void Assembler::directiveAddInstr(std::string_view operand)
{
    if (finalPass()) {
        return;
    }
    std::istringstream fields{std::string(operand)};
    std::string mnemonic, args, opcode, length, rule, rowClass;
    fields >> mnemonic >> args >> opcode >> length >> rule >> rowClass;
    auto bad = [&](const std::string &what) { pass1Error(msg::kBadAddInstr, what); };
    if (rowClass.empty()) {
        bad(std::string(Trim(operand)));
        return;
    }
    InstructionRow row;
    const std::string pattern = args == "\"\"" ? std::string() : base::AsciiUpper(args);
    row.pattern = pattern;
    if (opcode.size() > 8 ||
        opcode.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        bad(opcode);
        return;
    }
    // Opcode numbers are written with the first byte in the low-order position.
    std::uint32_t code = static_cast<std::uint32_t>(std::stoul(opcode, nullptr, 16));
    row.opcodeLength = static_cast<std::uint8_t>((opcode.size() + 1) / 2);
    for (int i = 0; i < row.opcodeLength; ++i) {
        row.opcode[i] = static_cast<std::uint8_t>(code >> (8 * i));
    }
    if (length.empty() || length.find_first_not_of("0123456789") != std::string::npos ||
        length.size() > 2) {
        bad(length);
        return;
    }
    int total = std::stoi(length);
    int argBytes = total - row.opcodeLength;
    std::string upperRule = base::AsciiUpper(rule);
    if (upperRule == "NOP" && argBytes >= 0 && argBytes <= 2) {
        row.kind = argBytes == 0 ? ArgKind::None : ArgKind::Bytes;
        row.argBytes = static_cast<std::uint8_t>(argBytes);
    } else if (upperRule == "R1" && argBytes == 1) {
        row.kind = ArgKind::Relative;
    } else {
        bad(rule);
        return;
    }
    if (row.kind != ArgKind::None && pattern.find('*') == std::string::npos) {
        bad(args);
        return;
    }
    // Rows added by the source are always usable, whatever the class mask says.
    row.rowClass = kClassBase;
    added_.add(base::AsciiUpper(mnemonic), std::move(row));
}

} // namespace vexil::tasm
