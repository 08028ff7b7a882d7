// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SpriteReader.h"

#include "base/AsciiText.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

namespace vexil::tools {
namespace {

using ByteRow = std::vector<std::uint8_t>;

struct Block {
    bool segment = false;
    int column = 0;
    int row = 0;
    std::vector<ByteRow> rows;
};

struct Listing {
    std::string label;
    std::vector<Block> blocks;
};

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool IsLabelChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' || c == '@';
}

// The value of digits in base, or none when a digit is wrong or the value passes 255.
std::optional<int> DigitsValue(std::string_view digits, int base)
{
    if (digits.empty()) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : digits) {
        const char lc = base::AsciiLower(c);
        const int digit =
            std::isdigit(lc) != 0 ? lc - '0' : (lc >= 'a' && lc <= 'f' ? lc - 'a' + 10 : 99);
        if (digit >= base) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > 255) {
            return std::nullopt;
        }
    }
    return value;
}

std::optional<int> ParseByte(std::string_view token)
{
    if (token.empty()) {
        return std::nullopt;
    }
    const char last = base::AsciiLower(token.back());
    if (token.front() == '$') {
        return DigitsValue(token.substr(1), 16);
    }
    if (token.front() == '%') {
        return DigitsValue(token.substr(1), 2);
    }
    if (std::isdigit(static_cast<unsigned char>(token.front())) == 0) {
        return std::nullopt;
    }
    if (last == 'h') {
        return DigitsValue(token.substr(0, token.size() - 1), 16);
    }
    if (last == 'b') {
        if (auto binary = DigitsValue(token.substr(0, token.size() - 1), 2)) {
            return binary;
        }
    }
    return DigitsValue(token, 10);
}

// "name_3_1" names segment column 3, row 1 of sprite "name".
bool SegmentLabel(std::string_view label, std::string &base, int &column, int &row)
{
    const auto second = label.rfind('_');
    if (second == std::string_view::npos || second == 0) {
        return false;
    }
    const auto first = label.rfind('_', second - 1);
    if (first == std::string_view::npos || first == 0) {
        return false;
    }
    const std::string_view columnText = label.substr(first + 1, second - first - 1);
    const std::string_view rowText = label.substr(second + 1);
    auto number = [](std::string_view digits, int &out) {
        if (digits.empty() || digits.size() > 4 ||
            !std::all_of(digits.begin(), digits.end(),
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
            return false;
        }
        out = std::stoi(std::string(digits));
        return true;
    };
    if (!number(columnText, column) || !number(rowText, row)) {
        return false;
    }
    base = std::string(label.substr(0, first));
    return true;
}

std::string LineError(int number, const std::string &what)
{
    return "Line " + std::to_string(number) + ": " + what;
}

// Splits the text into blocks of byte rows; an error message instead when a line is
// neither a label, a ".db" line, a comment nor blank.
std::string Parse(std::string_view text, Listing &listing)
{
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (const auto comment = line.find(';'); comment != std::string_view::npos) {
            line = line.substr(0, comment);
        }
        line = Trim(line);
        // Labels, possibly followed by data on the same line.
        while (!line.empty()) {
            std::size_t length = 0;
            while (length < line.size() && IsLabelChar(line[length])) {
                ++length;
            }
            if (length == 0 || length >= line.size() || line[length] != ':') {
                break;
            }
            const std::string_view label = line.substr(0, length);
            std::string base;
            Block block;
            block.segment = SegmentLabel(label, base, block.column, block.row);
            if (block.segment) {
                listing.blocks.push_back(std::move(block));
                if (listing.label.empty()) {
                    listing.label = base;
                }
            } else if (listing.label.empty()) {
                listing.label = std::string(label);
            }
            line = Trim(line.substr(length + 1));
        }
        if (line.empty()) {
            continue;
        }
        const auto space = line.find_first_of(" \t");
        const std::string directive = base::AsciiLower(line.substr(0, space));
        if (directive != ".db" && directive != "db" && directive != ".byte") {
            return LineError(number, "\"" + std::string(line) + "\" is not sprite data.");
        }
        ByteRow bytes;
        std::string_view values =
            space == std::string_view::npos ? std::string_view() : line.substr(space);
        while (true) {
            const auto comma = values.find(',');
            const std::string_view token = Trim(values.substr(0, comma));
            const std::optional<int> value = ParseByte(token);
            if (!value) {
                return LineError(number, "\"" + std::string(token) + "\" is not a byte.");
            }
            bytes.push_back(static_cast<std::uint8_t>(*value));
            if (comma == std::string_view::npos) {
                break;
            }
            values = values.substr(comma + 1);
        }
        if (listing.blocks.empty()) {
            listing.blocks.emplace_back();
        }
        listing.blocks.back().rows.push_back(std::move(bytes));
    }
    return {};
}

int ByteWidth(const std::vector<ByteRow> &rows)
{
    std::size_t widest = 0;
    for (const ByteRow &row : rows) {
        widest = std::max(widest, row.size());
    }
    return static_cast<int>(widest);
}

// One past the rightmost set bit of the rows, 0 when none is set.
int InkWidth(const std::vector<ByteRow> &rows)
{
    int width = 0;
    for (const ByteRow &row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            for (int bit = 0; bit < 8; ++bit) {
                if ((row[i] & (0x80 >> bit)) != 0) {
                    width = std::max(width, static_cast<int>(i) * 8 + bit + 1);
                }
            }
        }
    }
    return width;
}

void Place(const std::vector<ByteRow> &rows, int x, int y, int width, SpriteGrid &cells)
{
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < width; ++column) {
            const auto byte = static_cast<std::size_t>(column / 8);
            if (byte < rows[row].size() && (rows[row][byte] & (0x80 >> (column % 8))) != 0) {
                cells.set(x + column, y + static_cast<int>(row), true);
            }
        }
    }
}

std::string SizeError(int width, int height)
{
    return "The sprite is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; the Sprite Editor holds at most " + std::to_string(kSpriteColumns) + " x " +
           std::to_string(kSpriteRows) + ".";
}

void ReadPlain(const Block &block, SpriteReadResult &result)
{
    const int width = 8 * ByteWidth(block.rows);
    const int height = static_cast<int>(block.rows.size());
    if (width > kSpriteColumns || height > kSpriteRows) {
        result.error = SizeError(width, height);
        return;
    }
    Sprite sprite;
    sprite.width = width;
    sprite.height = height;
    Place(block.rows, 0, 0, width, sprite.cells);
    result.sprite = sprite;
}

std::string SegmentName(int column, int row)
{
    return std::to_string(column) + "_" + std::to_string(row);
}

void ReadSegments(const std::vector<Block> &blocks, std::optional<int> hint,
                  SpriteReadResult &result)
{
    std::map<std::pair<int, int>, const Block *> grid;
    int columns = 0;
    int rows = 0;
    for (const Block &block : blocks) {
        if (block.rows.empty()) {
            result.error = "Segment " + SegmentName(block.column, block.row) + " has no data.";
            return;
        }
        if (!grid.emplace(std::pair(block.row, block.column), &block).second) {
            result.error = "Segment " + SegmentName(block.column, block.row) + " appears twice.";
            return;
        }
        columns = std::max(columns, block.column + 1);
        rows = std::max(rows, block.row + 1);
    }
    std::vector<int> heights(static_cast<std::size_t>(rows));
    std::vector<int> bytes(static_cast<std::size_t>(columns));
    int inkBeforeLastColumn = 0;
    int inkInLastColumn = 0;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const auto found = grid.find({row, column});
            if (found == grid.end()) {
                result.error = "Segment " + SegmentName(column, row) + " is missing.";
                return;
            }
            const Block &block = *found->second;
            const int height = static_cast<int>(block.rows.size());
            const int width = ByteWidth(block.rows);
            int &rowHeight = heights[static_cast<std::size_t>(row)];
            int &columnBytes = bytes[static_cast<std::size_t>(column)];
            if ((column > 0 && rowHeight != height) || (row > 0 && columnBytes != width)) {
                result.error = "Segment " + SegmentName(column, row) +
                               " does not line up with the segments beside and above it.";
                return;
            }
            rowHeight = height;
            columnBytes = width;
            int &ink = column + 1 < columns ? inkBeforeLastColumn : inkInLastColumn;
            ink = std::max(ink, InkWidth(block.rows));
        }
    }
    // Every segment but those of the last column and row is size x size; the others
    // are no larger, and a segment's bytes hold its width.
    int lowest =
        std::max({1, heights.front(), heights.back(), inkInLastColumn, 8 * (bytes.back() - 1) + 1});
    int highest = kSpriteColumns * kSpriteRows;
    if (columns > 1) {
        if (!std::all_of(bytes.begin(), bytes.end() - 1, [&](int b) { return b == bytes[0]; })) {
            lowest = highest + 1;
        }
        lowest = std::max({lowest, inkBeforeLastColumn, 8 * (bytes[0] - 1) + 1});
        highest = std::min(highest, 8 * bytes[0]);
    }
    if (rows > 1) {
        if (!std::all_of(heights.begin(), heights.end() - 1,
                         [&](int h) { return h == heights[0]; })) {
            lowest = highest + 1;
        }
        highest = std::min(highest, heights[0]);
    }
    if (lowest > highest) {
        result.error = "The segments do not share one segment size.";
        return;
    }
    std::optional<int> size;
    if (lowest == highest) {
        size = lowest;
    } else if (hint && *hint >= lowest && *hint <= highest) {
        size = hint;
    } else if (columns > 1) {
        result.segmentSizeNeeded = SegmentSizeRange{lowest, highest};
        return;
    }
    // The last column takes what its bytes hold, short of the segment size and of the
    // screen's edge, where its width must have ended.
    const int lastX = (columns - 1) * (size ? *size : 0);
    int lastWidth = 8 * bytes.back();
    if (size) {
        lastWidth = std::max(std::min({lastWidth, *size, kSpriteColumns - lastX}),
                             8 * (bytes.back() - 1) + 1);
    }
    const int width = lastX + lastWidth;
    int height = 0;
    for (int rowHeight : heights) {
        height += rowHeight;
    }
    if (width > kSpriteColumns || height > kSpriteRows) {
        result.error = SizeError(width, height);
        return;
    }
    Sprite sprite;
    sprite.width = width;
    sprite.height = height;
    for (int row = 0, y = 0; row < rows; y += heights[static_cast<std::size_t>(row)], ++row) {
        for (int column = 0; column < columns; ++column) {
            const int x = column * (size ? *size : 0);
            const int segmentWidth = column + 1 < columns ? *size : lastWidth;
            Place(grid.at({row, column})->rows, x, y, segmentWidth, sprite.cells);
        }
    }
    result.sprite = sprite;
}

} // namespace

SpriteReadResult ReadSpriteText(std::string_view text, std::optional<int> segmentSize)
{
    SpriteReadResult result;
    Listing listing;
    result.error = Parse(text, listing);
    result.label = listing.label;
    if (!result.error.empty()) {
        return result;
    }
    const bool anyRows = std::any_of(listing.blocks.begin(), listing.blocks.end(),
                                     [](const Block &block) { return !block.rows.empty(); });
    if (!anyRows) {
        result.error = "There are no \".db\" lines to read.";
        return result;
    }
    if (!listing.blocks.front().segment) {
        if (listing.blocks.size() > 1) {
            result.error = "Some \".db\" lines come before the first segment label.";
            return result;
        }
        ReadPlain(listing.blocks.front(), result);
        return result;
    }
    ReadSegments(listing.blocks, segmentSize, result);
    return result;
}

} // namespace vexil::tools
