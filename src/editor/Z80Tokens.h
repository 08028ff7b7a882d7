// SPDX-License-Identifier: GPL-3.0-or-later
// Splits one line of Z80 assembler source into the pieces the editor colours. It
// works on bytes and never looks beyond the line, so the editor can restyle any
// range line by line.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vexil::editor {

enum class Z80TokenKind {
    Default,
    Comment,
    Number,
    String,
    Instruction,
    Register,
    Directive,
    Label,
};

struct Z80Token {
    std::size_t start = 0;
    std::size_t length = 0;
    Z80TokenKind kind = Z80TokenKind::Default;
    bool operator==(const Z80Token &) const = default;
};

// Tokens in order; bytes not covered by a token are Default.
std::vector<Z80Token> TokenizeZ80Line(std::string_view line);

} // namespace vexil::editor
