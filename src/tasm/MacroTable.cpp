// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/MacroTable.h"

#include "tasm/Characters.h"

namespace vexil::tasm {

namespace {
// Beyond these a definition is referring to itself; the old assembler hung here.
constexpr int kMaxRescans = 32;
constexpr std::size_t kMaxExpandedLength = 4096;
} // namespace

void MacroTable::compile(Macro &macro, std::string_view body)
{
    macro.body.clear();
    std::string literal;
    std::size_t i = 0;
    while (i < body.size()) {
        if (!chars::IsIdentifier(body[i])) {
            literal += body[i++];
            continue;
        }
        std::size_t j = i;
        while (j < body.size() && chars::IsIdentifier(body[j])) {
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
    if (!name.empty()) {
        firstChars_.set(static_cast<unsigned char>(name[0]));
    }
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
    firstChars_.reset();
}

bool MacroTable::expandOnce(std::string_view in, std::string &out, ExpandStatus &status) const
{
    // Only a substitution copies: text before it, then the body. `copied` is where
    // the text not yet in `out` starts.
    bool changed = false;
    std::size_t copied = 0;
    std::size_t i = 0;
    const std::size_t n = in.size();
    while (i < n) {
        char c = in[i];
        if (c == ';') {
            break;
        }
        if (c == '"') {
            std::size_t j = i + 1;
            while (j < n && in[j] != '"') {
                j += (in[j] == '\\' && j + 1 < n) ? 2 : 1;
            }
            i = j < n ? j + 1 : n;
            continue;
        }
        if (c == '\'' && i + 2 < n && in[i + 2] == '\'') {
            i += 3;
            continue;
        }
        if (!chars::IsIdentifier(c)) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < n && chars::IsIdentifier(in[j])) {
            ++j;
        }
        std::string_view word = in.substr(i, j - i);
        bool candidate =
            c != '_' && !chars::IsDigit(c) && firstChars_[static_cast<unsigned char>(c)];
        auto it = candidate ? macros_.find(word) : macros_.end();
        if (it == macros_.end()) {
            i = j;
            continue;
        }
        const Macro &macro = *it->second;
        std::vector<std::string_view> args;
        if (macro.hasParams) {
            std::size_t close = j < n && in[j] == '(' ? in.find(')', j) : std::string_view::npos;
            if (close == std::string_view::npos) {
                status = ExpandStatus::MissingArgs;
                i = j;
                continue;
            }
            std::size_t start = j + 1;
            while (true) {
                std::size_t comma = in.find(',', start);
                if (comma == std::string_view::npos || comma > close) {
                    args.push_back(in.substr(start, close - start));
                    break;
                }
                args.push_back(in.substr(start, comma - start));
                start = comma + 1;
            }
            j = close + 1;
        }
        if (!changed) {
            out.clear();
            changed = true;
        }
        out.append(in.substr(copied, i - copied));
        for (const Piece &piece : macro.body) {
            if (piece.param < 0) {
                out += piece.text;
            } else if (static_cast<std::size_t>(piece.param) < args.size()) {
                out += args[static_cast<std::size_t>(piece.param)];
            }
        }
        i = j;
        copied = j;
        if (out.size() > kMaxExpandedLength) {
            status = ExpandStatus::TooLong;
            return true;
        }
    }
    if (changed) {
        out.append(in.substr(copied));
    }
    return changed;
}

bool MacroTable::expand(std::string_view line, std::string &out, ExpandStatus &status) const
{
    status = ExpandStatus::Ok;
    if (macros_.empty() || !expandOnce(line, out, status)) {
        return false;
    }
    std::string scratch;
    for (int round = 1; round <= kMaxRescans; ++round) {
        if (status == ExpandStatus::TooLong || !expandOnce(out, scratch, status)) {
            return true;
        }
        out.swap(scratch);
    }
    status = ExpandStatus::TooLong;
    return true;
}

} // namespace vexil::tasm
