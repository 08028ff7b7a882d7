// SPDX-License-Identifier: GPL-3.0-or-later
// Matrices (type 02, both models): the name 5C + 0..9 for [A]..[J], then the
// number of columns, the number of rows and the elements row by row. Calculators
// store the column count first; in memory a matrix has rows and columns as a user
// means them.
#pragma once

#include "vareditors/FileBuild.h"
#include "vareditors/LoadResult.h"
#include "varfile/CalcModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::vardata {

inline constexpr int kMaxMatrixDimension = 99;
inline constexpr std::string_view kMatrixReadError = "Error reading matrix file.";
inline constexpr std::string_view kMatrixDimensionMessage =
    "A matrix has 1 to 99 rows and 1 to 99 columns.";

struct MatrixVariable {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    int nameIndex = 0; // 0..4 for [A]..[E]; the TI-83 goes on to 9 for [J]
    int rows = 1;
    int columns = 1;
    std::vector<double> values{0.0}; // rows x columns, row by row

    double at(int row, int column) const;
};

// 5 names on the TI-82, 10 on the TI-83.
int MatrixNameCount(varfile::CalcModel model);
// "[A]".."[J]".
std::string MatrixNameLabel(int nameIndex);

// A dimension box's text: not an integer or negative counts as 1, above 99 as 99.
// Nothing for 0, which would leave the matrix without elements.
std::optional<int> DimensionFromText(std::string_view text);

// A dimension of 0 or above 99, or a file that ends early, leaves the matrix
// as far as it was read (1 x 1 of 0 when the dimensions are unusable).
LoadResult<MatrixVariable> LoadMatrixFile(varfile::ByteView file);

// Refuses a name the model lacks, a dimension outside 1..99, a value count that
// does not match them and values outside -1E100 to 1E100.
FileBuild BuildMatrixFile(const MatrixVariable &matrix);

} // namespace vexil::vardata
