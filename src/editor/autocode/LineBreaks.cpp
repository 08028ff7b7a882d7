// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/autocode/LineBreaks.h"

namespace vexil::editor {

std::string WithCrLfLineBreaks(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace vexil::editor
