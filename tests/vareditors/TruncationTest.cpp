// SPDX-License-Identifier: GPL-3.0-or-later
// Every loader against every prefix of a good file: a file cut anywhere before its
// checksum is reported as damaged (the sanitizer build also proves nothing is read
// past the end), and what survives the cut matches the original.
#include "vareditors/ListVariable.h"
#include "vareditors/NumberVariables.h"
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
}

} // namespace
} // namespace vexil::vardata
