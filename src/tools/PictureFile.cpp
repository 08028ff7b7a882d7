// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/PictureFile.h"

#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"
#include "varfile/VarTypes.h"

#include <algorithm>

namespace vexil::tools {

using varfile::CalcModel;

SpriteGrid GridFromRows(std::span<const std::uint8_t> rows)
{
    SpriteGrid cells;
    const int rowCount =
        std::min(static_cast<int>(rows.size() / kScreenRowBytes), static_cast<int>(kSpriteRows));
    for (int y = 0; y < rowCount; ++y) {
        for (int x = 0; x < kSpriteColumns; ++x) {
            const std::uint8_t byte = rows[static_cast<std::size_t>(y * kScreenRowBytes + x / 8)];
            cells.set(x, y, (byte & (0x80 >> (x % 8))) != 0);
        }
    }
    return cells;
}

std::vector<std::uint8_t> RowsOfGrid(const SpriteGrid &cells, int rowCount)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(rowCount * kScreenRowBytes));
    for (int y = 0; y < std::min(rowCount, static_cast<int>(kSpriteRows)); ++y) {
        const std::vector<std::uint8_t> row = RowBytes(cells, 0, y, kSpriteColumns);
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

std::vector<int> PictureNumbers(CalcModel model)
{
    if (model == CalcModel::TI82) {
        return {1, 2, 3, 4, 5, 6};
    }
    return {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
}

bool HasPictureNumber(CalcModel model, int number)
{
    const std::vector<int> numbers = PictureNumbers(model);
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

CalcModel PictureFileModel(const std::filesystem::path &path, CalcModel current)
{
    const std::string extension = path.extension().string();
    if (extension.size() >= 3 && extension[2] == '2') {
        return CalcModel::TI82;
    }
    if (extension.size() >= 3 && extension[2] == '3') {
        return CalcModel::TI83;
    }
    return current;
}

std::optional<std::vector<std::uint8_t>> BuildPictureFile(CalcModel model, int number,
                                                          const SpriteGrid &cells)
{
    const std::optional<varfile::VarName> name = varfile::PictureVarName(number);
    const std::optional<std::uint8_t> typeId = varfile::TypeIdOf(model, varfile::VarKind::Picture);
    if (!HasPictureNumber(model, number) || !name || !typeId) {
        return std::nullopt;
    }
    varfile::Bytes file;
    varfile::WriteVarFileStart(file, model, varfile::WriterComment(varfile::CommentWriter::Picture),
                               *typeId, *name);
    file.push_back(static_cast<std::uint8_t>(kPictureDataSize & 0xFF));
    file.push_back(static_cast<std::uint8_t>(kPictureDataSize >> 8));
    const std::vector<std::uint8_t> rows = RowsOfGrid(cells, kPictureRows);
    file.insert(file.end(), rows.begin(), rows.end());
    if (!varfile::FinishVarFile(file)) {
        return std::nullopt;
    }
    return file;
}

std::variant<SpriteGrid, std::string> ReadPictureFile(std::span<const std::uint8_t> file)
{
    if (file.size() < kPictureDataOffset + kPictureDataSize) {
        return "This file is too short to be a picture: it holds " + std::to_string(file.size()) +
               " bytes, a picture file at least " +
               std::to_string(kPictureDataOffset + kPictureDataSize) + ".";
    }
    return GridFromRows(file.subspan(kPictureDataOffset, kPictureDataSize));
}

} // namespace vexil::tools
