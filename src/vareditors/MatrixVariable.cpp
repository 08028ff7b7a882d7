// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/MatrixVariable.h"

#include "vareditors/FixedOffsetReader.h"
#include "vareditors/RealCodec.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

#include <cctype>

namespace vexil::vardata {

namespace {

constexpr std::uint8_t kMatrixType = 0x02;
constexpr std::size_t kElementsOffset = kDataOffset + 2;

bool IsDimension(int value)
{
    return value >= 1 && value <= kMaxMatrixDimension;
}

} // namespace

double MatrixVariable::at(int row, int column) const
{
    return values.at(static_cast<std::size_t>(row * columns + column));
}

int MatrixNameCount(varfile::CalcModel model)
{
    return model == varfile::CalcModel::TI82 ? 5 : 10;
}

std::string MatrixNameLabel(int nameIndex)
{
    return std::string("[") + static_cast<char>('A' + nameIndex) + "]";
}

std::optional<int> DimensionFromText(std::string_view text)
{
    std::size_t start = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        start = 1;
    }
    if (start == text.size()) {
        return 1;
    }
    int value = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            return 1;
        }
        // Past 99 the exact value no longer matters; stopping keeps it from overflowing.
        value = std::min(value * 10 + (text[i] - '0'), kMaxMatrixDimension + 1);
    }
    if (negative && value != 0) {
        return 1;
    }
    if (value == 0) {
        return std::nullopt;
    }
    return std::min(value, kMaxMatrixDimension);
}

LoadResult<MatrixVariable> LoadMatrixFile(varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    LoadResult<MatrixVariable> result;
    MatrixVariable &matrix = result.variable;
    matrix.model = reader.isTI82() ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    const auto name = reader.byteAt(kNameOffset + 1);
    const auto columns = reader.byteAt(kDataOffset);
    const auto rows = reader.byteAt(kDataOffset + 1);
    if (name && *name < MatrixNameCount(matrix.model)) {
        matrix.nameIndex = *name;
    }
    if (!columns || !rows || !IsDimension(*columns) || !IsDimension(*rows)) {
        result.complete = false;
        return result;
    }
    matrix.rows = *rows;
    matrix.columns = *columns;
    matrix.values.assign(static_cast<std::size_t>(matrix.rows * matrix.columns), 0.0);
    for (std::size_t k = 0; k < matrix.values.size(); ++k) {
        const auto value = ReadReal(reader, kElementsOffset + k * kRealSize);
        if (!value) {
            result.complete = false;
            return result;
        }
        matrix.values[k] = *value;
    }
    return result;
}

FileBuild BuildMatrixFile(const MatrixVariable &matrix)
{
    FileBuild build;
    if (matrix.nameIndex < 0 || matrix.nameIndex >= MatrixNameCount(matrix.model)) {
        build.error = matrix.model == varfile::CalcModel::TI82
                          ? "The TI-82 has only the matrices [A] to [E]."
                          : "The TI-83 has only the matrices [A] to [J].";
        return build;
    }
    if (!IsDimension(matrix.rows) || !IsDimension(matrix.columns)) {
        build.error = std::string(kMatrixDimensionMessage);
        return build;
    }
    if (matrix.values.size() != static_cast<std::size_t>(matrix.rows * matrix.columns)) {
        build.error = "The matrix does not hold rows x columns elements.";
        return build;
    }
    varfile::Bytes data;
    data.push_back(static_cast<std::uint8_t>(matrix.columns));
    data.push_back(static_cast<std::uint8_t>(matrix.rows));
    for (double value : matrix.values) {
        if (!AppendReal(data, value, varfile::RealKind::Real)) {
            build.error = "The matrix holds a value outside -1E100 to 1E100.";
            return build;
        }
    }
    const varfile::VarEntry entry{
        kMatrixType, *varfile::MatrixVarName(static_cast<char>('A' + matrix.nameIndex)),
        std::move(data)};
    // 99 x 99 elements would take 88 211 bytes, more than the 16-bit lengths hold.
    auto file = varfile::BuildVarFile(
        matrix.model, varfile::WriterComment(varfile::CommentWriter::Matrix), {entry});
    if (!file) {
        build.error = "The matrix is too large for a variable file, which holds at most 7279 "
                      "elements.";
        return build;
    }
    build.file = std::move(*file);
    return build;
}

} // namespace vexil::vardata
