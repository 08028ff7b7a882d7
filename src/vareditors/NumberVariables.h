// SPDX-License-Identifier: GPL-3.0-or-later
// Real numbers (type 00, both models) and complex numbers (type 0C, TI-83 only):
// a one-letter name (A..Z, theta) and one or two calculator reals.
#pragma once

#include "vareditors/LoadResult.h"
#include "varfile/CalcModel.h"

#include <string>
#include <string_view>

namespace vexil::vardata {

inline constexpr int kLetterNameCount = 27; // A..Z, then theta
inline constexpr int kThetaNameIndex = 26;
inline constexpr std::string_view kRealReadError = "Error reading real variable file.";
inline constexpr std::string_view kComplexReadError = "Error reading complex variable file.";

// 0..25 for A..Z, 26 for theta; a byte that names no letter variable counts as A.
int LetterIndexFromByte(std::uint8_t nameByte);
std::uint8_t LetterByteFromIndex(int index);

struct RealVariable {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    int nameIndex = 0;
    double value = 0.0;
};

struct ComplexVariable {
    int nameIndex = 0;
    double re = 0.0;
    double im = 0.0;
};

struct NumberBuild {
    varfile::Bytes file;
    std::string error; // empty on success
};

LoadResult<RealVariable> LoadRealFile(varfile::ByteView file);
NumberBuild BuildRealFile(const RealVariable &real);

LoadResult<ComplexVariable> LoadComplexFile(varfile::ByteView file);
// Always a TI-83 file: the TI-82 has no complex numbers.
NumberBuild BuildComplexFile(const ComplexVariable &complex);

} // namespace vexil::vardata
