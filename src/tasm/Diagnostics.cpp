// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/Diagnostics.h"

#include <cstdio>
#include <iterator>
#include <optional>

namespace vexil::tasm {

namespace {

// The layout comes from the user's environment: a width like %999999999d must not
// become a gigabyte of blanks.
constexpr int kMaxFieldWidth = 255;

struct Conversion {
    bool left = false; // '-'
    bool zero = false; // '0'
    bool plus = false; // '+'
    bool space = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

// The four values TASMERRFORMAT receives, each printable as text or as a number.
struct Value {
    bool isNumber = false;
    long long number = 0;
    std::string_view text;
};

bool ReadCount(std::string_view format, std::size_t &pos, int &value)
{
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9') {
        value = value * 10 + (format[pos++] - '0');
        if (value > kMaxFieldWidth) {
            return false;
        }
    }
    return true;
}

// The conversion whose '%' is just before `pos`; nullopt for anything but %s and %d.
std::optional<Conversion> ParseConversion(std::string_view format, std::size_t &pos)
{
    Conversion c;
    for (; pos < format.size(); ++pos) {
        char flag = format[pos];
        if (flag == '-') {
            c.left = true;
        } else if (flag == '0') {
            c.zero = true;
        } else if (flag == '+') {
            c.plus = true;
        } else if (flag == ' ') {
            c.space = true;
        } else {
            break;
        }
    }
    if (!ReadCount(format, pos, c.width)) {
        return std::nullopt;
    }
    if (pos < format.size() && format[pos] == '.') {
        c.precision = 0;
        if (!ReadCount(format, ++pos, c.precision)) {
            return std::nullopt;
        }
    }
    if (pos >= format.size() || (format[pos] != 's' && format[pos] != 'd')) {
        return std::nullopt;
    }
    c.type = format[pos++];
    return c;
}

std::string Padded(const std::string &text, const Conversion &c, std::size_t signLength,
                   bool zeroFill)
{
    if (text.size() >= static_cast<std::size_t>(c.width)) {
        return text;
    }
    std::size_t fill = static_cast<std::size_t>(c.width) - text.size();
    if (c.left) {
        return text + std::string(fill, ' ');
    }
    if (zeroFill) {
        return text.substr(0, signLength) + std::string(fill, '0') + text.substr(signLength);
    }
    return std::string(fill, ' ') + text;
}

std::string AsNumber(long long value, const Conversion &c)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (c.precision == 0 && value == 0) {
        digits.clear();
    } else if (c.precision > static_cast<int>(digits.size())) {
        digits.insert(0, static_cast<std::size_t>(c.precision) - digits.size(), '0');
    }
    std::string sign = value < 0 ? "-" : c.plus ? "+" : c.space ? " " : "";
    return Padded(sign + digits, c, sign.size(), c.zero && c.precision < 0);
}

std::string AsText(std::string_view value, const Conversion &c)
{
    if (c.precision >= 0) {
        value = value.substr(0, static_cast<std::size_t>(c.precision));
    }
    return Padded(std::string(value), c, 0, false);
}

std::string Converted(const Value &v, const Conversion &c)
{
    if (v.isNumber && c.type == 'd') {
        return AsNumber(v.number, c);
    }
    return AsText(v.isNumber ? std::to_string(v.number) : std::string(v.text), c);
}

std::optional<std::string> UserFormatted(std::string_view format, const Value (&values)[4])
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < format.size();) {
        char c = format[pos++];
        if (c == '\\' && pos < format.size() && format[pos] == 'n') {
            // Batch files cannot put a real line break into a variable.
            out += '\n';
            ++pos;
        } else if (c != '%') {
            out += c;
        } else if (pos < format.size() && format[pos] == '%') {
            out += '%';
            ++pos;
        } else {
            auto conversion = ParseConversion(format, pos);
            if (!conversion || next == std::size(values)) {
                return std::nullopt;
            }
            out += Converted(values[next++], *conversion);
        }
    }
    return out;
}

std::string DefaultFormatted(const Diagnostic &d)
{
    char number[16];
    std::snprintf(number, sizeof number, "%04d", d.line);
    std::string text = d.file + " line " + number + ": " + d.message + " ";
    if (d.hasDetail) {
        text += "(" + d.detail + ")";
    }
    return text;
}

} // namespace

std::string FormatDiagnostic(const Diagnostic &d, std::string_view userFormat)
{
    if (!userFormat.empty()) {
        const std::string detail = d.hasDetail ? "(" + d.detail + ")" : "";
        const Value values[4] = {
            {false, 0, d.file}, {true, d.line, {}}, {false, 0, d.message}, {false, 0, detail}};
        if (auto text = UserFormatted(userFormat, values)) {
            return *text;
        }
    }
    return DefaultFormatted(d);
}

} // namespace vexil::tasm
