// SPDX-License-Identifier: GPL-3.0-or-later
// Strict UTF-8 for the text that crosses between Vexil and the rest of the
// desktop: no overlong forms, no surrogates, nothing above U+10FFFF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vexil::tibasic {

struct Utf8Decoded {
    std::u32string text;   // the code points before the first invalid sequence
    std::size_t badAt = 0; // 1-based code-point position of that sequence; 0 when valid

    bool ok() const { return badAt == 0; }
};

Utf8Decoded DecodeUtf8(std::string_view utf8);

void AppendUtf8(std::string &out, char32_t codePoint);
std::string EncodeUtf8(std::u32string_view text);

} // namespace vexil::tibasic
