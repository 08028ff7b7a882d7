// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SpriteText.h"

#include <cstdio>

namespace vexil::tools {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AddLine(std::string &text, std::string_view line)
{
    text += line;
    text += kLineEnd;
}

} // namespace

std::vector<SpriteSegment> SplitIntoSegments(int width, int height, int size)
{
    std::vector<SpriteSegment> segments;
    for (int y = 0, row = 0; y < height; y += size, ++row) {
        for (int x = 0, column = 0; x < width; x += size, ++column) {
            segments.push_back(
                {column, row, x, y, std::min(size, width - x), std::min(size, height - y)});
        }
    }
    return segments;
}

std::string DbLine(const std::vector<std::uint8_t> &bytes)
{
    std::string line = ".db ";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char byte[8];
        std::snprintf(byte, sizeof byte, "%s$%02X", i == 0 ? "" : ", ", bytes[i]);
        line += byte;
    }
    return line;
}

SpriteText WriteSpriteText(const Sprite &sprite, std::string_view label,
                           std::optional<int> segmentSize)
{
    SpriteText result;
    std::string &text = result.text;
    AddLine(text, std::string("; Sprite data for ") + std::string(label));
    AddLine(text, std::string(label) + ":");
    if (!segmentSize) {
        for (int y = 0; y < sprite.height; ++y) {
            AddLine(text, DbLine(RowBytes(sprite.cells, 0, y, sprite.width)));
        }
        return result;
    }
    int count = 0;
    for (const SpriteSegment &segment :
         SplitIntoSegments(sprite.width, sprite.height, *segmentSize)) {
        AddLine(text, std::string(label) + "_" + std::to_string(segment.column) + "_" +
                          std::to_string(segment.row) + ":");
        count += 3;
        for (int y = segment.y; y < segment.y + segment.height; ++y) {
            const std::vector<std::uint8_t> bytes =
                RowBytes(sprite.cells, segment.x, y, segment.width);
            AddLine(text, DbLine(bytes));
            count += static_cast<int>(bytes.size());
        }
    }
    result.byteCount = count;
    return result;
}

std::string SpriteCopiedMessage(const SpriteText &text)
{
    if (!text.byteCount) {
        return "Sprite data copied to clipboard.";
    }
    char message[96];
    std::snprintf(message, sizeof message,
                  "Sprite data copied to clipboard (using %d ($%04X) bytes).", *text.byteCount,
                  static_cast<unsigned>(*text.byteCount));
    return message;
}

} // namespace vexil::tools
