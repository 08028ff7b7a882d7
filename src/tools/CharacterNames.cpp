// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/CharacterNames.h"

#include "base/AsciiText.h"

#include <span>
#include <string_view>

namespace vexil::tools {
namespace {

using varfile::CalcModel;

struct Named {
    std::uint8_t code;
    const char *name;
};

// Every TI-83 character that is neither a letter, a digit nor an accented letter.
constexpr Named kTi83Names[] = {
    {0x01, "sequence n 𝑛"},
    {0x02, "sequence u 𝑢"},
    {0x03, "sequence v 𝑣"},
    {0x04, "sequence w 𝑤"},
    {0x05, "conversion arrow ►"},
    {0x06, "bold up arrow ⬆"},
    {0x07, "bold down arrow ⬇"},
    {0x08, "integral ∫"},
    {0x09, "multiplication cross ×"},
    {0x0A, "box plot mark □"},
    {0x0B, "cross plot mark ﹢"},
    {0x0C, "dot plot mark ·"},
    {0x0D, "parametric T ᴛ"},
    {0x0E, "cube-root index ³"},
    {0x0F, "hexadecimal F 𝗙"},
    {0x10, "square root √"},
    {0x11, "inverse ⁻¹"},
    {0x12, "square ²"},
    {0x13, "angle ∠"},
    {0x14, "degree °"},
    {0x15, "radian ʳ"},
    {0x16, "transpose ᵀ"},
    {0x17, "less than or equal ≤"},
    {0x18, "not equal ≠"},
    {0x19, "greater than or equal ≥"},
    {0x1A, "negative sign ⁻"},
    {0x1B, "exponent ᴇ"},
    {0x1C, "store arrow →"},
    {0x1D, "base ten ⏨"},
    {0x1E, "up arrow ↑"},
    {0x1F, "down arrow ↓"},
    {0x20, "space"},
    {0x21, "exclamation mark !"},
    {0x22, "quotation mark \""},
    {0x23, "number sign #"},
    {0x24, "fourth power ⁴"},
    {0x25, "percent sign %"},
    {0x26, "ampersand &"},
    {0x27, "apostrophe '"},
    {0x28, "left parenthesis ("},
    {0x29, "right parenthesis )"},
    {0x2A, "asterisk *"},
    {0x2B, "plus sign +"},
    {0x2C, "comma ,"},
    {0x2D, "minus sign -"},
    {0x2E, "full stop ."},
    {0x2F, "slash /"},
    {0x3A, "colon :"},
    {0x3B, "semicolon ;"},
    {0x3C, "less-than sign <"},
    {0x3D, "equals sign ="},
    {0x3E, "greater-than sign >"},
    {0x3F, "question mark ?"},
    {0x40, "at sign @"},
    {0x5B, "theta θ"},
    {0x5C, "backslash \\"},
    {0x5D, "right square bracket ]"},
    {0x5E, "caret ^"},
    {0x5F, "underscore _"},
    {0x60, "grave accent `"},
    {0x7B, "left brace {"},
    {0x7C, "vertical bar |"},
    {0x7D, "right brace }"},
    {0x7E, "tilde ~"},
    {0x7F, "inverse equals"},
    {0xB6, "acute accent ´"},
    {0xB7, "grave accent ˋ"},
    {0xB8, "diaeresis ¨"},
    {0xB9, "inverted question mark ¿"},
    {0xBA, "inverted exclamation mark ¡"},
    {0xBB, "alpha α"},
    {0xBC, "beta β"},
    {0xBD, "gamma γ"},
    {0xBE, "capital delta Δ"},
    {0xBF, "delta δ"},
    {0xC0, "epsilon ε"},
    {0xC1, "left square bracket ["},
    {0xC2, "lambda λ"},
    {0xC3, "mu μ"},
    {0xC4, "pi π"},
    {0xC5, "rho ρ"},
    {0xC6, "capital sigma Σ"},
    {0xC7, "sigma σ"},
    {0xC8, "tau τ"},
    {0xC9, "phi φ"},
    {0xCA, "capital omega Ω"},
    {0xCB, "mean of x x̄"},
    {0xCC, "mean of y ȳ"},
    {0xCD, "superscript x ˣ"},
    {0xCE, "ellipsis …"},
    {0xCF, "left-pointing triangle ◄"},
    {0xD0, "block ▪"},
    {0xD1, "per ∕"},
    {0xD2, "hyphen ‐"},
    {0xD3, "area ²"},
    {0xD4, "temperature °"},
    {0xD5, "volume ³"},
    {0xD6, "new line (never drawn)"},
    {0xD7, "imaginary i 𝑖"},
    {0xD8, "sample proportion p̂"},
    {0xD9, "chi χ"},
    {0xDA, "statistics F 𝙵"},
    {0xDB, "constant e 𝑒"},
    {0xDC, "list L ʟ"},
    {0xDD, "finance N 𝗡"},
    {0xDE, "two closing parentheses ))"},
    {0xDF, "block arrow ▸"},
    {0xE0, "overwrite cursor █"},
    {0xE1, "second-function cursor"},
    {0xE2, "alpha cursor"},
    {0xE3, "lower-case alpha cursor"},
    {0xE4, "insert cursor"},
    {0xE5, "insert cursor, second function"},
    {0xE6, "insert cursor, alpha"},
    {0xE7, "insert cursor, lower-case alpha"},
    {0xE8, "graph style: line"},
    {0xE9, "graph style: thick"},
    {0xEA, "graph style: shade above"},
    {0xEB, "graph style: shade below"},
    {0xEC, "graph style: path"},
    {0xED, "graph style: animate"},
    {0xEE, "graph style: dot"},
    {0xEF, "tall bold up arrow"},
    {0xF0, "tall bold down arrow"},
    {0xF1, "checkerboard cursor ▒"},
};

// Where the small font of the TI-83 draws something else than the large one.
constexpr Named kTi83SmallNames[] = {
    {0x06, "four-pixel space"},
    {0x24, "dollar sign $"},
    {0xDF, "narrow E"},
    {0xE0, "list lock"},
    {0xE1, "scatter plot icon, left half"},
    {0xE2, "scatter plot icon, right half"},
    {0xE3, "xyLine plot icon, left half"},
    {0xE4, "xyLine plot icon, right half"},
    {0xE5, "box plot icon, left half"},
    {0xE6, "box plot icon, right half"},
    {0xE7, "histogram icon, left half"},
    {0xE8, "histogram icon, right half"},
    {0xE9, "modified box plot icon, left half"},
    {0xEA, "modified box plot icon, right half"},
    {0xEB, "normal probability plot icon, left half"},
    {0xEC, "normal probability plot icon, right half"},
};

constexpr Named kTi82Names[] = {
    {0x00, "checkerboard"}, {0x01, "bold b"}, {0x02, "bold o"}, {0x03, "bold d"}, {0x04, "bold h"},
};

// The TI-82 keeps at D7-E1 what the TI-83 moved elsewhere: the TI-82 code and the
// TI-83 code of the same character, per font.
struct Moved {
    std::uint8_t code;
    std::uint8_t ti83Code;
};
constexpr Moved kTi82MovedLarge[] = {{0xD7, 0x01}, {0xD8, 0xDF}, {0xD9, 0xE0}, {0xDA, 0xE1},
                                     {0xDB, 0xE2}, {0xDC, 0xE3}, {0xDD, 0xE4}, {0xDE, 0xE5},
                                     {0xDF, 0xE6}, {0xE0, 0xE7}, {0xE1, 0xF1}};
constexpr Moved kTi82MovedSmall[] = {{0xD7, 0x01}, {0xD8, 0xDF}, {0xD9, 0xE1}, {0xDA, 0xE2},
                                     {0xDB, 0xE3}, {0xDC, 0xE4}, {0xDD, 0xE5}, {0xDE, 0xE6},
                                     {0xDF, 0xE7}, {0xE0, 0xE8}};

std::uint8_t Ti83CodeOf(CalculatorFont font, std::uint8_t code)
{
    for (const Moved &entry : font == CalculatorFont::Large
                                  ? std::span<const Moved>(kTi82MovedLarge)
                                  : std::span<const Moved>(kTi82MovedSmall)) {
        if (entry.code == code) {
            return entry.ti83Code;
        }
    }
    return code;
}

template <std::size_t N> const char *Find(const Named (&table)[N], std::uint8_t code)
{
    for (const Named &entry : table) {
        if (entry.code == code) {
            return entry.name;
        }
    }
    return nullptr;
}

// The accented letters 8A-B5, four accents per vowel and then Ç ç Ñ ñ.
std::string AccentedName(std::uint8_t code, CalculatorFont font)
{
    static constexpr std::string_view kLetters[] = {
        "Á", "À", "Â", "Ä", "á", "à", "â", "ä", "É", "È", "Ê", "Ë", "é", "è", "ê",
        "ë", "Í", "Ì", "Î", "Ï", "í", "ì", "î", "ï", "Ó", "Ò", "Ô", "Ö", "ó", "ò",
        "ô", "ö", "Ú", "Ù", "Û", "Ü", "ú", "ù", "û", "ü", "Ç", "ç", "Ñ", "ñ"};
    static constexpr std::string_view kAccents[] = {"acute", "grave", "circumflex", "diaeresis"};
    const int index = code - 0x8A;
    std::string name;
    if (index < 40) {
        const bool capital = index % 8 < 4;
        name = std::string(capital ? "capital " : "small ");
        const char vowel = "AEIOU"[index / 8];
        name += capital ? vowel : base::AsciiLower(vowel);
        name += " with ";
        name += kAccents[index % 4];
    } else {
        name = std::string(index % 2 == 0 ? "capital " : "small ");
        name += index < 42 ? (index == 40 ? "C with cedilla" : "c with cedilla")
                           : (index == 42 ? "N with tilde" : "n with tilde");
    }
    name += ' ';
    name += kLetters[index];
    // The small font has no room above a letter for its accent.
    if (font == CalculatorFont::Small && index < 40) {
        name += " (drawn without its accent)";
    }
    return name;
}

std::string Ti83Name(CalculatorFont font, std::uint8_t code)
{
    if (font == CalculatorFont::Small) {
        if (const char *name = Find(kTi83SmallNames, code)) {
            return name;
        }
    }
    if (code >= '0' && code <= '9') {
        return std::string("digit ") + static_cast<char>(code);
    }
    if (code >= 'A' && code <= 'Z') {
        return std::string("capital ") + static_cast<char>(code);
    }
    if (code >= 'a' && code <= 'z') {
        return std::string("small ") + static_cast<char>(code);
    }
    if (code >= 0x80 && code <= 0x89) {
        // U+2080 to U+2089 in UTF-8.
        return std::string("subscript ") + static_cast<char>('0' + code - 0x80) + " \xE2\x82" +
               static_cast<char>(0x80 + code - 0x80);
    }
    if (code >= 0x8A && code <= 0xB5) {
        return AccentedName(code, font);
    }
    const char *name = Find(kTi83Names, code);
    return name != nullptr ? name : "";
}

} // namespace

std::string CharacterName(CalcModel model, CalculatorFont font, std::uint8_t code)
{
    if (!CalculatorGlyph(model, font, code).defined()) {
        return {};
    }
    if (model == CalcModel::TI83) {
        return Ti83Name(font, code);
    }
    if (const char *name = Find(kTi82Names, code)) {
        return name;
    }
    return Ti83Name(font, Ti83CodeOf(font, code));
}

} // namespace vexil::tools
