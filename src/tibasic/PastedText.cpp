// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/PastedText.h"

#include "tibasic/Utf8.h"

#include <algorithm>
#include <vector>

namespace vexil::tibasic {

namespace {

struct Spelling {
    std::u32string_view pasted;
    std::u32string_view glyphs; // as KeyboardFont.h spells them
};

// Other Unicode characters for the same glyph. Nothing else means them here, so
// they are rewritten inside strings too.
constexpr Spelling kUnicodeVariants[] = {
    {U"\u212F", U"\U0001D452"},         // ℯ -> constant e
    {U"\u2147", U"\U0001D452"},         // ⅇ
    {U"\U0001D5E1", U"\u0274"},         // 𝗡 -> finance N
    {U"\U0001D67D", U"\u0274"},         // 𝙽
    {U"\u2206", U"\u0394"},             // ∆ -> Δ
    {U"\u2211", U"\u03A3"},             // ∑ -> Σ
    {U"\u1E57", U"p\u0302"},            // ṗ -> p̂
    {U"P\u0302", U"p\u0302"},           // P̂
    {U"\u1E8B", U"x\u0304"},            // ẋ -> x̄
    {U"x\u0305", U"x\u0304"},           // x with overline
    {U"y\u0305", U"\u0233"},            // y with overline -> ȳ
    {U"y\u0304", U"\u0233"},            // y with macron, when not composed
    {U"\u02DF", U"\u02E3"},             // ˟ -> ˣ
    {U"\uFE62", U"\u271A"},             // ﹢ -> plot plus mark
    {U"\u02D6", U"\u271A"},             // ˖
    {U"\u271B", U"\u271A"},             // ✛
    {U"\u25AB", U"\u25A1"},             // ▫ -> plot box mark
    {U"\u221B", U"\u1DBE\u221A"},       // ∛ -> cube-root prefix
    {U"\u209C", U"\u1D1B"},             // ₜ -> subscript T
    {U"\U0001D48F", U"\U0001D45B"},     // 𝒏 -> sequence n
    {U"\U0001D62F", U"\U0001D45B"},     // 𝘯
    {U"\u25B6", U"\u25BA"},             // ▶ -> ►
    {U"\u23F5", U"\u25BA"},             // ⏵
    {U"\U0001D405", U"\U0001D675"},     // 𝐅 -> F of the F distribution
    {U"\U0001D5D9", U"\U0001D675"},     // 𝗙
    {U"\u02C9\u00B9", U"\u207B\u00B9"}, // ˉ¹ -> ⁻¹
    {U"\u230A", U"\u029F"},             // ⌊ -> list L
    {U"\u221F", U"\u029F"},             // ∟
    {U"\u02D7", U"\u207B"},             // ˗ -> negation
    {U"\u2081\u2080^", U"\u23E8^"},     // ₁₀^ -> the 10 of 10^(
    {U"\u00B5", U"\u03BC"},             // µ -> μ
    {U"\u2126", U"\u03A9"},             // Ω (ohm) -> Ω
};

// ASCII names. Each holds a character that is no token of either model on its own
// ("|", "\", "^^", lower-case letters such as h, o, q), so reading it as the glyph
// never changes a program that was already valid. "pi", "nMin" and "[e]" are left
// out: on the TI-83 "p", "i", "n" and "e" are tokens and those spell valid programs.
constexpr Spelling kAsciiNames[] = {
    {U"->", U"\u2192"},
    {U"<=", U"\u2264"},
    {U">=", U"\u2265"},
    {U"=/=", U"\u2260"},
    {U"sqrt(", U"\u221A("},
    {U"cuberoot(", U"\u1DBE\u221A("},
    {U"xroot", U"\u02E3\u221A"},
    {U"theta", U"\u03B8"},
    {U"P>Rx(", U"P\u25BARx("},
    {U"P>Ry(", U"P\u25BARy("},
    {U"|E", U"\u1D07"},
    {U"|L", U"\u029F"},
    {U"|N", U"\u0274"},
    {U"|F", U"\U0001D675"},
    {U"|-", U"\u207B"},
    {U"^^-1", U"\u207B\u00B9"},
    {U"^^2", U"\u00B2"},
    {U"^^3", U"\u00B3"},
    {U"^^T", U"\u1D40"},
    {U"^^r", U"\u02B3"},
    {U"^^o", U"\u00B0"},
    {U"^^x", U"\u02E3"},
    {U"10^^(", U"\u23E8^("},
    {U"[xhat]", U"x\u0304"},
    {U"[yhat]", U"\u0233"},
    {U"[phat]", U"p\u0302"},
    {U"[chi^2]", U"\u03C7\u00B2"},
    {U"[|F]", U"\U0001D675"},
    {U"[Sigmax]", U"\u03A3x"},
    {U"[sigmax]", U"\u03C3x"},
    {U"[recursiven]", U"\U0001D45B"},
    {U"xbar", U"x\u0304"},
    {U"ybar", U"\u0233"},
    {U"Delta", U"\u0394"},
    {U"Sigma", U"\u03A3"},
    {U"sigma", U"\u03C3"},
    {U"chi^2", U"\u03C7\u00B2"},
    {U"chi\u00B2", U"\u03C7\u00B2"},
    {U"Fcdf(", U"\U0001D675cdf("},
    {U"Fpdf(", U"\U0001D675pdf("},
    {U"SampFTest", U"Samp\U0001D675Test"},
    {U"ShadeF(", U"Shade\U0001D675("},
    {U"squareplot", U"\u25A1"},
    {U"plotsquare", U"\u25A1"},
    {U"crossplot", U"\u271A"},
    {U"plotcross", U"\u271A"},
    {U"dotplot", U"\u00B7"},
    {U"plotdot", U"\u00B7"},
    // Backslash codes, an extension of the old link software's ASCII export.
    {U"\\->\\", U"\u2192"},
    {U"\\<=\\", U"\u2264"},
    {U"\\!=\\", U"\u2260"},
    {U"\\>=\\", U"\u2265"},
    {U"\\theta\\", U"\u03B8"},
    {U"\\pi\\", U"\u03C0"},
    {U"\\root\\", U"\u221A"},
    {U"\\root3\\", U"\u1DBE\u221A"},
    {U"\\^-1\\", U"\u207B\u00B9"},
    {U"\\^2\\", U"\u00B2"},
    {U"\\^3\\", U"\u00B3"},
    {U"\\^T\\", U"\u1D40"},
    {U"\\^x\\", U"\u02E3"},
    {U"\\o\\", U"\u00B0"},
    {U"\\r\\", U"\u02B3"},
    {U"\\EE\\", U"\u1D07"},
    {U"\\(-)\\", U"\u207B"},
    {U"\\10\\", U"\u23E8"},
    {U"\\L\\", U"\u029F"},
    {U"\\e\\", U"\U0001D452"},
    {U"\\i\\", U"i"},
    {U"\\N\\", U"\u0274"},
    {U"\\n\\", U"\U0001D45B"},
    {U"\\chi\\", U"\u03C7"},
    {U"\\statF\\", U"\U0001D675"},
    {U"\\xbar\\", U"x\u0304"},
    {U"\\ybar\\", U"\u0233"},
    {U"\\p^\\", U"p\u0302"},
    {U"\\Sigma\\", U"\u03A3"},
    {U"\\sigma\\", U"\u03C3"},
    {U"\\Delta\\", U"\u0394"},
    {U"\\box\\", U"\u25A1"},
    {U"\\cross\\", U"\u271A"},
    {U"\\dot\\", U"\u00B7"},
    {U"\\subT\\", U"\u1D1B"},
    {U"\\...\\", U"\u2026"},
    {U"\\>\\", U"\u25BA"},
    {U"\\0\\", U"\u2080"},
    {U"\\1\\", U"\u2081"},
    {U"\\2\\", U"\u2082"},
    {U"\\3\\", U"\u2083"},
    {U"\\4\\", U"\u2084"},
    {U"\\5\\", U"\u2085"},
    {U"\\6\\", U"\u2086"},
    {U"\\7\\", U"\u2087"},
    {U"\\8\\", U"\u2088"},
    {U"\\9\\", U"\u2089"},
};

const Spelling *LongestAt(std::u32string_view rest, bool insideString)
{
    const Spelling *best = nullptr;
    auto consider = [&](const Spelling &spelling) {
        if (rest.starts_with(spelling.pasted) &&
            (best == nullptr || spelling.pasted.size() > best->pasted.size())) {
            best = &spelling;
        }
    };
    std::for_each(std::begin(kUnicodeVariants), std::end(kUnicodeVariants), consider);
    if (!insideString) {
        std::for_each(std::begin(kAsciiNames), std::end(kAsciiNames), consider);
    }
    return best;
}

} // namespace

NormalisedText NormaliseSpellings(std::u32string_view text)
{
    NormalisedText out;
    out.text.reserve(text.size());
    out.source.reserve(text.size());
    // A string literal runs from a double quote to the next one, the end of the
    // line or a store arrow, as on the calculator.
    bool insideString = false;
    std::size_t position = 0;
    while (position < text.size()) {
        if (const Spelling *spelling = LongestAt(text.substr(position), insideString)) {
            out.text += spelling->glyphs;
            out.source.insert(out.source.end(), spelling->glyphs.size(), position);
            position += spelling->pasted.size();
            if (spelling->glyphs == U"\u2192") {
                insideString = false;
            }
            continue;
        }
        const char32_t c = text[position];
        if (c == U'"') {
            insideString = !insideString;
        } else if (c == U'\n' || c == U'\r' || c == U'\u2192') {
            insideString = false;
        }
        out.text.push_back(c);
        out.source.push_back(position++);
    }
    return out;
}

std::string NormalisePastedText(std::string_view utf8)
{
    const Utf8Decoded decoded = DecodeUtf8(utf8);
    if (!decoded.ok()) {
        return std::string(utf8);
    }
    return EncodeUtf8(NormaliseSpellings(decoded.text).text);
}

} // namespace vexil::tibasic
