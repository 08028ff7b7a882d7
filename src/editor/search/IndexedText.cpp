// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/search/IndexedText.h"

#include <algorithm>

namespace vexil::editor {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Decoded {
    char32_t value;
    int length;
};

// One character at the start of bytes; a lone byte that starts no valid sequence
// (overlong forms and surrogates included) is a character of its own.
Decoded DecodeOne(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    int count = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        return {kReplacement, 1};
    }
    if (bytes.size() <= static_cast<std::size_t>(count)) {
        return {kReplacement, 1};
    }
    for (int k = 1; k <= count; ++k) {
        const auto next = static_cast<unsigned char>(bytes[static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            return {kReplacement, 1};
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return {kReplacement, 1};
    }
    return {value, count + 1};
}

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

IndexedText::IndexedText(std::string_view utf8)
{
    chars_.reserve(utf8.size());
    byteOffsets_.reserve(utf8.size() + 1);
    std::size_t at = 0;
    while (at < utf8.size()) {
        const Decoded decoded = DecodeOne(utf8.substr(at));
        chars_.push_back(decoded.value);
        byteOffsets_.push_back(static_cast<int>(at));
        at += static_cast<std::size_t>(decoded.length);
    }
    byteOffsets_.push_back(static_cast<int>(utf8.size()));
}

int IndexedText::byteOffset(int offset) const
{
    const int last = static_cast<int>(byteOffsets_.size()) - 1;
    return byteOffsets_[static_cast<std::size_t>(std::clamp(offset, 0, last))];
}

int IndexedText::charOffset(int byteOffset) const
{
    const auto after = std::upper_bound(byteOffsets_.begin(), byteOffsets_.end(), byteOffset);
    if (after == byteOffsets_.begin()) {
        return 0;
    }
    return static_cast<int>(after - byteOffsets_.begin()) - 1;
}

std::u32string Utf8ToChars(std::string_view utf8)
{
    return IndexedText(utf8).chars();
}

std::string CharsToUtf8(std::u32string_view chars)
{
    std::string out;
    out.reserve(chars.size());
    for (const char32_t c : chars) {
        AppendUtf8(out, c);
    }
    return out;
}

} // namespace vexil::editor
