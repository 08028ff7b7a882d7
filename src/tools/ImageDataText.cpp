// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ImageDataText.h"

#include "tools/PictureFile.h"

namespace vexil::tools {

std::string ImageDataText(const SpriteGrid &cells)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "; Image data\r\n";
    text.reserve(text.size() + kSpriteRows * (5 + kScreenRowBytes * 4 + 1));
    for (int y = 0; y < kSpriteRows; ++y) {
        text += ".db\t";
        const std::vector<std::uint8_t> row = RowBytes(cells, 0, y, kSpriteColumns);
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            text += '$';
            text += kDigits[row[i] >> 4];
            text += kDigits[row[i] & 0x0F];
        }
        text += "\r\n";
    }
    return text;
}

} // namespace vexil::tools
