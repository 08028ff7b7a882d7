// SPDX-License-Identifier: GPL-3.0-or-later
// #define macros: whole-identifier substitution, rescanned until nothing matches.
#pragma once

#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vexil::tasm {

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

enum class ExpandStatus {
    Ok,
    MissingArgs, // a macro with parameters was used without an argument list
    TooLong,     // runaway self-reference
};

class MacroTable {
public:
    // `params` is meaningful only when `hasParams`; `NAME()` has parameters but none named.
    // The first definition of a name keeps winning, as sources expect.
    void define(const std::string &name, bool hasParams, const std::vector<std::string> &params,
                std::string_view body);
    // Appends text to the body of the macro defined last.
    void continueLast(std::string_view text);
    void undefine(const std::string &name);
    bool isDefined(std::string_view name) const;
    bool empty() const { return macros_.empty(); }
    void clear();

    // Expands every macro in `line` (outside strings and comments) until none is
    // left. Returns true when anything changed, the result then being in `out`.
    bool expand(std::string_view line, std::string &out, ExpandStatus &status) const;

private:
    struct Piece {
        std::string text;
        int param = -1; // index of the argument that replaces this piece
    };
    struct Macro {
        bool hasParams = false;
        std::vector<std::string> params;
        std::vector<Piece> body;
    };

    static void compile(Macro &macro, std::string_view body);
    bool expandOnce(std::string_view in, std::string &out, ExpandStatus &status) const;

    std::unordered_map<std::string, std::shared_ptr<Macro>, StringHash, std::equal_to<>> macros_;
    std::shared_ptr<Macro> last_;
    // First characters of the names ever defined: most words of a line cannot be a
    // macro, and this says so without a hash lookup.
    std::bitset<256> firstChars_;
};

} // namespace vexil::tasm
