// SPDX-License-Identifier: GPL-3.0-or-later
// Editor text as the search works on it: one element per character, a CR LF line
// break counting as the two characters it is, together with where each character
// starts in the editor's UTF-8 buffer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vexil::editor {

class IndexedText {
public:
    IndexedText() : byteOffsets_{0} {}
    // Bytes that are no UTF-8 count as one character each (U+FFFD), so every byte
    // offset of the buffer still maps to a character.
    explicit IndexedText(std::string_view utf8);

    const std::u32string &chars() const { return chars_; }
    int length() const { return static_cast<int>(chars_.size()); }

    // Where character `offset` starts in the buffer; the buffer's end for the length.
    int byteOffset(int offset) const;
    // The character a byte offset falls in (the one it starts or continues).
    int charOffset(int byteOffset) const;

private:
    std::u32string chars_;
    std::vector<int> byteOffsets_; // one per character, and the end
};

std::u32string Utf8ToChars(std::string_view utf8);
std::string CharsToUtf8(std::u32string_view chars);

} // namespace vexil::editor
