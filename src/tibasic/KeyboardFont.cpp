// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/KeyboardFont.h"

#include "tibasic/Utf8.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace vexil::tibasic {

namespace {

// Bytes 0x80-0xFF. The glyphs no token text uses follow the calculator's own font
// where its glyph at the same code is clear; the rest get private-use code points
// (U+E000 + byte), which nobody types but which still convert back exactly.
// clang-format off
constexpr std::array<std::u32string_view, 128> kHighHalf = {
    U"\u2080", // 80 ₀
    U"\u2081", // 81 ₁
    U"\u2082", // 82 ₂
    U"\u2083", // 83 ₃
    U"\u2084", // 84 ₄
    U"\u2085", // 85 ₅
    U"\u2086", // 86 ₆
    U"\u2087", // 87 ₇
    U"\u2088", // 88 ₈
    U"\u2089", // 89 ₉
    U"\u00C1", // 8A Á
    U"\u00C0", // 8B À
    U"\u00C2", // 8C Â
    U"\u00C4", // 8D Ä
    U"\u00E1", // 8E á
    U"\u00E0", // 8F à
    U"\u00E2", // 90 â
    U"\u00E4", // 91 ä
    U"\u00C9", // 92 É
    U"\u00C8", // 93 È
    U"\u00CA", // 94 Ê
    U"\u00CB", // 95 Ë
    U"\u00E9", // 96 é
    U"\u00E8", // 97 è
    U"\u00EA", // 98 ê
    U"\U0001D452", // 99 𝑒
    U"\u00CD", // 9A Í
    U"\u00CC", // 9B Ì
    U"\u00CE", // 9C Î
    U"\u00CF", // 9D Ï
    U"\u00ED", // 9E í
    U"\u00EC", // 9F ì
    U"\u00EE", // A0 î
    U"\u00EF", // A1 ï
    U"\u00D3", // A2 Ó
    U"\u00D2", // A3 Ò
    U"\u00D4", // A4 Ô
    U"\u00D6", // A5 Ö
    U"\u00F3", // A6 ó
    U"\u00F2", // A7 ò
    U"\u00F4", // A8 ô
    U"\u00F6", // A9 ö
    U"\u00DA", // AA Ú
    U"\u00D9", // AB Ù
    U"\u00DB", // AC Û
    U"\u00DC", // AD Ü
    U"\u00FA", // AE ú
    U"\u00F9", // AF ù
    U"\u00FB", // B0 û
    U"\u00FC", // B1 ü
    U"\u00C7", // B2 Ç
    U"\u00E7", // B3 ç
    U"\u0274", // B4 ɴ
    U"\u00F1", // B5 ñ
    U"\u00B4", // B6 ´
    U"\u02CB", // B7 ˋ
    U"\u00A8", // B8 ¨
    U"\u00BF", // B9 ¿
    U"\u00A1", // BA ¡
    U"\u03B1", // BB α
    U"\u03B2", // BC β
    U"\u03B3", // BD γ
    U"\u0394", // BE Δ
    U"\u03B4", // BF δ
    U"\u03B5", // C0 ε
    U"\u03B8", // C1 θ
    U"\u03BB", // C2 λ
    U"\u03BC", // C3 μ
    U"\u03C0", // C4 π
    U"\u0070\u0302", // C5 p̂
    U"\u03A3", // C6 Σ
    U"\u03C3", // C7 σ
    U"\u03C4", // C8 τ
    U"\u03A6", // C9 Φ
    U"\u03A9", // CA Ω
    U"\u0078\u0304", // CB x̄
    U"\u0233", // CC ȳ
    U"\u02E3", // CD ˣ
    U"\u2026", // CE …
    U"\u25C4", // CF ◄
    U"\u25A1", // D0 □
    U"\u271A", // D1 ✚
    U"\u00B7", // D2 ·
    U"\u1DBE", // D3 ᶾ
    U"\u1D1B", // D4 ᴛ
    U"\u00B3", // D5 ³
    U"\U0001D45B", // D6 𝑛
    U"\uE0D7", // D7 placeholder
    U"\u00D8", // D8 Ø
    U"\uE0D9", // D9 placeholder
    U"\uE0DA", // DA placeholder
    U"\uE0DB", // DB placeholder
    U"\uE0DC", // DC placeholder
    U"\uE0DD", // DD placeholder
    U"\uE0DE", // DE placeholder
    U"\uE0DF", // DF placeholder
    U"\uE0E0", // E0 placeholder
    U"\uE0E1", // E1 placeholder
    U"\uE0E2", // E2 placeholder
    U"\uE0E3", // E3 placeholder
    U"\uE0E4", // E4 placeholder
    U"\u25BA", // E5 ►
    U"\u2B06", // E6 ⬆
    U"\u2B07", // E7 ⬇
    U"\u222B", // E8 ∫
    U"\u03C7", // E9 χ
    U"\uE0EA", // EA placeholder
    U"\uE0EB", // EB placeholder
    U"\uE0EC", // EC placeholder
    U"\uE0ED", // ED placeholder
    U"\uE0EE", // EE placeholder
    U"\U0001D675", // EF 𝙵
    U"\u221A", // F0 √
    U"\u207B\u00B9", // F1 ⁻¹
    U"\u00B2", // F2 ²
    U"\u029F", // F3 ʟ
    U"\u00B0", // F4 °
    U"\u02B3", // F5 ʳ
    U"\u1D40", // F6 ᵀ
    U"\u2264", // F7 ≤
    U"\u2260", // F8 ≠
    U"\u2265", // F9 ≥
    U"\u207B", // FA ⁻
    U"\u1D07", // FB ᴇ
    U"\u2192", // FC →
    U"\u23E8", // FD ⏨
    U"\u2191", // FE ↑
    U"\u2193", // FF ↓
};
// clang-format on

struct ReverseTable {
    std::unordered_map<char32_t, std::uint8_t> single;
    std::vector<std::pair<std::u32string_view, std::uint8_t>> pairs;
};

const ReverseTable &Reverse()
{
    static const ReverseTable table = [] {
        ReverseTable built;
        for (char32_t ascii = 0; ascii < 0x80; ++ascii) {
            built.single.emplace(ascii, static_cast<std::uint8_t>(ascii));
        }
        for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
            const auto byte = static_cast<std::uint8_t>(0x80 + i);
            if (kHighHalf[i].size() == 1) {
                built.single.emplace(kHighHalf[i].front(), byte);
            } else {
                built.pairs.emplace_back(kHighHalf[i], byte);
            }
        }
        return built;
    }();
    return table;
}

} // namespace

std::u32string_view KeyboardFontGlyph(std::uint8_t byte)
{
    static const std::array<char32_t, 128> kAscii = [] {
        std::array<char32_t, 128> ascii{};
        for (std::size_t i = 0; i < ascii.size(); ++i) {
            ascii[i] = static_cast<char32_t>(i);
        }
        return ascii;
    }();
    if (byte < 0x80) {
        return std::u32string_view(&kAscii[byte], 1);
    }
    return kHighHalf[byte - 0x80];
}

std::optional<KeyboardFontMatch> MatchKeyboardFont(std::u32string_view text, std::size_t position)
{
    if (position >= text.size()) {
        return std::nullopt;
    }
    const ReverseTable &table = Reverse();
    const std::u32string_view rest = text.substr(position);
    for (const auto &[spelling, byte] : table.pairs) {
        if (rest.starts_with(spelling)) {
            return KeyboardFontMatch{byte, spelling.size()};
        }
    }
    if (const auto found = table.single.find(rest.front()); found != table.single.end()) {
        return KeyboardFontMatch{found->second, 1};
    }
    return std::nullopt;
}

std::string KeyboardFontToUtf8(std::string_view eightBit)
{
    std::string utf8;
    utf8.reserve(eightBit.size());
    for (const char c : eightBit) {
        for (const char32_t codePoint : KeyboardFontGlyph(static_cast<std::uint8_t>(c))) {
            AppendUtf8(utf8, codePoint);
        }
    }
    return utf8;
}

KeyboardFontText KeyboardFontFromUtf8(std::string_view utf8)
{
    KeyboardFontText result;
    const Utf8Decoded decoded = DecodeUtf8(utf8);
    std::size_t position = 0;
    while (position < decoded.text.size()) {
        const std::optional<KeyboardFontMatch> match = MatchKeyboardFont(decoded.text, position);
        if (!match) {
            result.text.clear();
            result.failedAt = position + 1;
            return result;
        }
        result.text.push_back(static_cast<char>(match->byte));
        position += match->length;
    }
    if (!decoded.ok()) {
        result.text.clear();
        result.failedAt = decoded.badAt;
    }
    return result;
}

} // namespace vexil::tibasic
