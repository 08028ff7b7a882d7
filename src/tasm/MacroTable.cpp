// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/MacroTable.h"

#include <cctype>

namespace vexil::tasm {

namespace {
// Beyond these a definition is referring to itself; the old assembler hung here.
constexpr int kMaxRescans = 32;
constexpr std::size_t kMaxExpandedLength = 4096;
} // namespace

bool isIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

void MacroTable::compile(Macro &macro, std::string_view body)
{
    macro.body.clear();
    std::string literal;
    std::size_t i = 0;
    while (i < body.size()) {
        if (!isIdentifierChar(body[i])) {
            literal += body[i++];
            continue;
        }
        std::size_t j = i;
        while (j < body.size() && isIdentifierChar(body[j])) {
            ++j;
        }
        std::string_view word = body.substr(i, j - i);
        int param = -1;
        for (std::size_t p = 0; p < macro.params.size(); ++p) {
            if (macro.params[p] == word) {
                param = static_cast<int>(p);
                break;
            }
        }
        if (param < 0) {
            literal += word;
        } else {
            if (!literal.empty()) {
                macro.body.push_back({literal, -1});
                literal.clear();
            }
            macro.body.push_back({"", param});
        }
        i = j;
    }
    if (!literal.empty()) {
        macro.body.push_back({literal, -1});
    }
}

void MacroTable::define(const std::string &name, bool hasParams,
                        const std::vector<std::string> &params, std::string_view body)
{
    auto macro = std::make_shared<Macro>();
    macro->hasParams = hasParams;
    macro->params = params;
    compile(*macro, body);
    last_ = macro;
    macros_.try_emplace(name, std::move(macro));
}

void MacroTable::continueLast(std::string_view text)
{
    if (!last_) {
        return;
    }
    std::string piece(1, ' ');
    piece += text;
    last_->body.push_back({std::move(piece), -1});
}

void MacroTable::undefine(const std::string &name)
{
    macros_.erase(name);
}

bool MacroTable::isDefined(std::string_view name) const
{
    return macros_.find(name) != macros_.end();
}

void MacroTable::clear()
{
    macros_.clear();
    last_.reset();
}

bool MacroTable::expandOnce(const std::string &in, std::string &out, ExpandStatus &status) const
{
    bool changed = false;
    out.clear();
    std::size_t i = 0;
    const std::size_t n = in.size();
    while (i < n) {
        char c = in[i];
        if (c == ';') {
            out.append(in, i, std::string::npos);
            break;
        }
        if (c == '"') {
            std::size_t j = i + 1;
            while (j < n && in[j] != '"') {
                j += (in[j] == '\\' && j + 1 < n) ? 2 : 1;
            }
            j = j < n ? j + 1 : n;
            out.append(in, i, j - i);
            i = j;
            continue;
        }
        if (c == '\'' && i + 2 < n && in[i + 2] == '\'') {
            out.append(in, i, 3);
            i += 3;
            continue;
        }
        if (!isIdentifierChar(c)) {
            out += c;
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < n && isIdentifierChar(in[j])) {
            ++j;
        }
        std::string_view word(in.data() + i, j - i);
        auto it = (c == '_' || std::isdigit(static_cast<unsigned char>(c))) ? macros_.end()
                                                                            : macros_.find(word);
        if (it == macros_.end()) {
            out.append(word);
            i = j;
            continue;
        }
        const Macro &macro = *it->second;
        std::vector<std::string> args;
        if (macro.hasParams) {
            std::size_t close = j < n && in[j] == '(' ? in.find(')', j) : std::string::npos;
            if (close == std::string::npos) {
                status = ExpandStatus::MissingArgs;
                out.append(word);
                i = j;
                continue;
            }
            std::size_t start = j + 1;
            while (true) {
                std::size_t comma = in.find(',', start);
                if (comma == std::string::npos || comma > close) {
                    args.emplace_back(in, start, close - start);
                    break;
                }
                args.emplace_back(in, start, comma - start);
                start = comma + 1;
            }
            j = close + 1;
        }
        for (const Piece &piece : macro.body) {
            if (piece.param < 0) {
                out += piece.text;
            } else if (static_cast<std::size_t>(piece.param) < args.size()) {
                out += args[static_cast<std::size_t>(piece.param)];
            }
        }
        changed = true;
        i = j;
        if (out.size() > kMaxExpandedLength) {
            status = ExpandStatus::TooLong;
            return true;
        }
    }
    return changed;
}

bool MacroTable::expand(std::string &line, ExpandStatus &status) const
{
    status = ExpandStatus::Ok;
    if (macros_.empty()) {
        return false;
    }
    std::string scratch;
    bool any = false;
    for (int round = 0; round <= kMaxRescans; ++round) {
        if (!expandOnce(line, scratch, status)) {
            return any;
        }
        any = true;
        line.swap(scratch);
        if (status == ExpandStatus::TooLong) {
            return true;
        }
    }
    status = ExpandStatus::TooLong;
    return true;
}

} // namespace vexil::tasm
