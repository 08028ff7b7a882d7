// SPDX-License-Identifier: GPL-3.0-or-later
// The 42-byte comment field of the file header, and the exact comment each of
// Vexil's writers puts there (text and padding are part of the file format that
// other tools have seen for years, so they are reproduced byte for byte).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vexil::varfile {

inline constexpr std::size_t kCommentSize = 42;
using Comment = std::array<std::uint8_t, kCommentSize>;

enum class CommentWriter {
    List,
    Real,
    Complex,
    String,
    Matrix,
    Function,
    WindowZoom,
    TableSetup,
    GraphDatabase,
    Program,
    Group,
    GroupExtract, // an entry saved out of a group as a file of its own
    Picture,
    Received, // a variable received over the link cable
};

// `text` cut to 42 bytes, the rest filled with `padding`.
Comment MakeComment(std::string_view text, std::uint8_t padding = 0x00);

Comment WriterComment(CommentWriter writer);

} // namespace vexil::varfile
