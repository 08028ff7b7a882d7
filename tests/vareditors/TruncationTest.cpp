// SPDX-License-Identifier: GPL-3.0-or-later
// Every loader against every prefix of a good file: a file cut anywhere before its
// checksum is reported as damaged (the sanitizer build also proves nothing is read
// past the end), and what survives the cut matches the original.
#include "vareditors/FunctionVariable.h"
#include "vareditors/ListVariable.h"
#include "vareditors/MatrixVariable.h"
#include "vareditors/NumberVariables.h"
#include "vareditors/SettingsVariables.h"
#include "vareditors/StringVariable.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;

Bytes Prefix(const Bytes &file, std::size_t length)
{
    return Bytes(file.begin(), file.begin() + static_cast<long>(length));
}

TEST(Truncation, EveryCutBeforeTheChecksumIsReported)
{
    ListVariable list;
    list.complex = true;
    list.elements = {{1, 2}, {3, 4}, {5, 6}};
    const Bytes listFile = BuildListFile(list).file;
    RealVariable real{varfile::CalcModel::TI82, 4, 42.0};
    const Bytes realFile = BuildRealFile(real).file;
    ComplexVariable complex{1, 2.0, -3.0};
    const Bytes complexFile = BuildComplexFile(complex).file;

    for (std::size_t length = 0; length + 2 < listFile.size(); ++length) {
        const auto loaded = LoadListFile(Prefix(listFile, length));
        EXPECT_FALSE(loaded.complete) << length;
        const auto &elements = loaded.variable.elements;
        ASSERT_LE(elements.size(), list.elements.size());
        EXPECT_TRUE(std::equal(elements.begin(), elements.end(), list.elements.begin()));
    }
    for (std::size_t length = 0; length + 2 < realFile.size(); ++length) {
        EXPECT_FALSE(LoadRealFile(Prefix(realFile, length)).complete) << length;
    }
    for (std::size_t length = 0; length + 2 < complexFile.size(); ++length) {
        EXPECT_FALSE(LoadComplexFile(Prefix(complexFile, length)).complete) << length;
    }
    // A string has no count of its own: cuts past the token length only shorten it.
    const Bytes stringFile = BuildStringFile({2, "Disp 1"}).file;
    for (std::size_t length = 0; length < stringFile.size(); ++length) {
        const auto loaded = LoadStringFile(Prefix(stringFile, length));
        EXPECT_EQ(loaded.complete, length >= 74) << length;
    }
    const Bytes functionFile = BuildFunctionFile({varfile::CalcModel::TI82, 3, "X+1"}).file;
    for (std::size_t length = 0; length < functionFile.size(); ++length) {
        EXPECT_EQ(LoadFunctionFile(Prefix(functionFile, length)).complete, length >= 74) << length;
    }
}

TEST(Truncation, MatrixAndSettingsCutsAreReported)
{
    MatrixVariable matrix;
    matrix.rows = matrix.columns = 2;
    matrix.values = {1, 2, 3, 4};
    const Bytes matrixFile = BuildMatrixFile(matrix).file;
    for (std::size_t length = 0; length + 2 < matrixFile.size(); ++length) {
        EXPECT_FALSE(LoadMatrixFile(Prefix(matrixFile, length)).complete) << length;
    }
    for (const SettingsKind kind : {SettingsKind::Window, SettingsKind::Zoom}) {
        const Bytes file = BuildSettingsFile(NewSettings(kind, varfile::CalcModel::TI83)).file;
        for (std::size_t length = 0; length + 2 < file.size(); ++length) {
            EXPECT_FALSE(LoadSettingsFile(kind, Prefix(file, length)).complete) << length;
        }
    }
    const Bytes tableFile = BuildTableFile({varfile::CalcModel::TI82, 1, 2}).file;
    for (std::size_t length = 0; length + 2 < tableFile.size(); ++length) {
        EXPECT_FALSE(LoadTableFile(Prefix(tableFile, length)).complete) << length;
    }
}

} // namespace
} // namespace vexil::vardata
