// SPDX-License-Identifier: GPL-3.0-or-later
#include "tasm/StringLiteral.h"

namespace vexil::tasm {

static bool IsOctal(char c)
{
    return c >= '0' && c <= '7';
}

bool DecodeString(std::string_view quoted, std::string &out, std::string_view *rest)
{
    out.clear();
    std::size_t i = 1;
    while (i < quoted.size()) {
        char c = quoted[i];
        if (c == '"') {
            if (rest) {
                *rest = quoted.substr(i + 1);
            }
            return true;
        }
        if (c != '\\' || i + 1 >= quoted.size()) {
            out += c;
            ++i;
            continue;
        }
        char e = quoted[i + 1];
        i += 2;
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        default:
            if (e >= '0' && e <= '3') {
                // Up to three octal digits; a short sequence ends early instead of
                // swallowing the closing quote.
                int value = e - '0';
                for (int k = 0; k < 2 && i < quoted.size() && IsOctal(quoted[i]); ++k, ++i) {
                    value = value * 8 + (quoted[i] - '0');
                }
                out += static_cast<char>(value);
            } else {
                out += e;
            }
            break;
        }
    }
    if (rest) {
        *rest = {};
    }
    return false;
}

} // namespace vexil::tasm
