// SPDX-License-Identifier: GPL-3.0-or-later
// Lines that act before statements are split: #include, #define and conditionals.
#include "tasm/Assembler.h"

#include "base/AsciiText.h"
#include "tasm/Characters.h"

namespace vexil::tasm {

namespace {

constexpr std::size_t kMaxConditionalDepth = 32;
// Deeper than any real include chain; a file that includes itself stops here.
constexpr int kMaxIncludeDepth = 32;

// The text before a `;` that is outside double quotes.
std::string_view WithoutComment(std::string_view text)
{
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
        } else if (text[i] == ';' && !quoted) {
            return text.substr(0, i);
        }
    }
    return text;
}

// Splits "#word rest" into the upper-cased word and the rest; empty when the line
// does not start (after blanks) with `#` or `.` and a word.
std::string_view DirectiveWord(std::string_view raw, std::string &upperWord)
{
    upperWord.clear();
    std::size_t i = raw.find_first_not_of(" \t");
    if (i == std::string_view::npos || (raw[i] != '#' && raw[i] != '.')) {
        return {};
    }
    std::size_t j = i + 1;
    while (j < raw.size() && chars::IsLetter(raw[j])) {
        upperWord += base::AsciiUpper(raw[j]);
        ++j;
    }
    return raw.substr(j);
}

bool IsConditional(const std::string &word)
{
    return word == "IF" || word == "IFDEF" || word == "IFNDEF" || word == "ELSE" || word == "ENDIF";
}

} // namespace

Assembler::Preprocessed Assembler::preprocessorLine(std::string_view raw)
{
    std::string word;
    std::string_view rest = DirectiveWord(raw, word);
    if (word.empty()) {
        return Preprocessed::No;
    }
    if (!rest.empty() && rest[0] != ' ' && rest[0] != '\t' && rest[0] != ';' && rest[0] != '"') {
        return Preprocessed::No; // a longer word such as `.endfoo`
    }
    if (word == "INCLUDE") {
        finishLine(raw, {}, false);
        directiveInclude(rest);
        return Preprocessed::YesAndListed;
    }
    if (word == "DEFINE" || word == "DEFCONT" || word == "UNDEF" || IsConditional(word)) {
        conditionalDirective(word, rest);
        return Preprocessed::Yes;
    }
    return Preprocessed::No;
}

void Assembler::conditionalDirective(const std::string &name, std::string_view rest)
{
    if (name == "DEFINE") {
        directiveDefine(rest);
        return;
    }
    std::string_view text = Trim(WithoutComment(rest));
    if (name == "DEFCONT") {
        macros_.continueLast(text);
    } else if (name == "UNDEF") {
        macros_.undefine(std::string(text));
    } else if (name == "IFDEF" || name == "IFNDEF") {
        std::size_t end = 0;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') {
            ++end;
        }
        bool defined = macros_.isDefined(text.substr(0, end));
        pushConditional(name == "IFDEF" ? defined : !defined);
    } else if (name == "IF") {
        // Undefined labels count as true here, as they did in the old assembler.
        ExprResult r = evaluateQuiet(text, false);
        reportExpression(r);
        pushConditional(r.ok && r.value != 0);
    } else if (name == "ELSE") {
        if (conditionals_.empty()) {
            pass1Error(msg::kImbalancedConditional);
            return;
        }
        Conditional &top = conditionals_.back();
        top.active = top.parentActive && !top.taken;
        top.taken = true;
    } else if (name == "ENDIF") {
        if (conditionals_.empty()) {
            pass1Error(msg::kImbalancedConditional);
            return;
        }
        conditionals_.pop_back();
    }
}

void Assembler::pushConditional(bool condition)
{
    bool parentActive = conditionals_.empty() || conditionals_.back().active;
    if (conditionals_.size() >= kMaxConditionalDepth) {
        error(msg::kTooManyConditionals);
    }
    conditionals_.push_back({parentActive && condition, parentActive, condition});
}

bool Assembler::conditionalWhileSkipping(std::string_view raw)
{
    std::string word;
    std::string_view rest = DirectiveWord(raw, word);
    if (!IsConditional(word)) {
        return false;
    }
    if (!rest.empty() && rest[0] != ' ' && rest[0] != '\t' && rest[0] != ';') {
        return false;
    }
    if (word == "ELSE" || word == "ENDIF") {
        conditionalDirective(word, rest);
    } else {
        conditionals_.push_back({false, false, true});
    }
    return true;
}

void Assembler::directiveDefine(std::string_view rest)
{
    std::size_t i = rest.find_first_not_of(" \t");
    if (i == std::string_view::npos) {
        error(msg::kMissingOperand);
        return;
    }
    std::size_t j = i;
    while (j < rest.size() && chars::IsIdentifier(rest[j])) {
        ++j;
    }
    if (j == i) {
        error(msg::kMissingOperand);
        return;
    }
    std::string name(rest.substr(i, j - i));
    bool hasParams = false;
    std::vector<std::string> params;
    if (j < rest.size() && rest[j] == '(') {
        std::size_t close = rest.find(')', j);
        if (close == std::string_view::npos) {
            error(msg::kParenImbalance);
            return;
        }
        hasParams = true;
        std::vector<std::string_view> items;
        SplitItems(rest.substr(j + 1, close - j - 1), items);
        for (std::string_view item : items) {
            if (!item.empty()) {
                params.emplace_back(item);
            }
        }
        j = close + 1;
    }
    macros_.define(name, hasParams, params, Trim(WithoutComment(rest.substr(j))));
}

void Assembler::directiveInclude(std::string_view rest)
{
    std::string_view text = Trim(WithoutComment(rest));
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    std::string name(text);
    if (name.empty()) {
        error(msg::kMissingOperand);
        return;
    }
    if (depth_ + 1 > kMaxIncludeDepth) {
        error(msg::kIncludeTooDeep, name);
        return;
    }
    auto path = resolveInclude(name);
    if (!path) {
        throw FatalError{"tasm: source file open error on " + name, 3};
    }
    processFile(name, *path, depth_ + 1);
}

std::optional<std::string> Assembler::resolveInclude(const std::string &name) const
{
    std::string wanted = name;
    for (char &c : wanted) {
        if (c == '\\') {
            c = '/'; // DOS sources write folders with backslashes
        }
    }
    std::vector<std::string> candidates{wanted};
    if (wanted[0] != '/') {
        auto slash = filePath_.rfind('/');
        if (slash != std::string::npos) {
            candidates.push_back(filePath_.substr(0, slash + 1) + wanted);
        }
        for (const auto &dir : includeDirs_) {
            if (!dir.empty()) {
                candidates.push_back(dir + (dir.back() == '/' ? "" : "/") + wanted);
            }
        }
    }
    for (const auto &candidate : candidates) {
        if (fs_.isFile(candidate)) {
            return candidate;
        }
    }
    for (const auto &candidate : candidates) {
        if (auto found = FindFile(fs_, candidate)) {
            return found;
        }
    }
    return std::nullopt;
}

} // namespace vexil::tasm
