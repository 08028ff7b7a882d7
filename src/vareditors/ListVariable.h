// SPDX-License-Identifier: GPL-3.0-or-later
// A calculator list (real or, on the TI-83, complex) and its file layout: type 01
// or 0D, the name 5D + L1..L6 index or a typed name, then an element count and the
// elements as calculator reals (two per element for a complex list).
#pragma once

#include "vareditors/LoadResult.h"
#include "varfile/CalcModel.h"
#include "varfile/VarNames.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::vardata {

inline constexpr std::size_t kMaxListElements = 999;
inline constexpr std::size_t kMaxListNameLength = 5;
inline constexpr int kBuiltinListCount = 6;
inline constexpr std::string_view kListReadError = "Error reading list file.";

struct ListElement {
    double re = 0.0;
    double im = 0.0;

    bool operator==(const ListElement &) const = default;
};

struct ListVariable {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    bool complex = false;
    // "L1".."L6", or a typed TI-83 name of up to 5 characters ("@" for theta).
    std::string name = "L1";
    std::vector<ListElement> elements;
};

// The name bytes: L1..L6 as 5D 00..05, any other text as 5D and its characters.
// Nothing when the name is empty or longer than 5 characters.
std::optional<varfile::VarName> ListNameBytes(std::string_view name);

// The name as the list editor shows it, from the 8 stored name bytes.
std::string ListNameFromBytes(const varfile::VarName &bytes);

LoadResult<ListVariable> LoadListFile(varfile::ByteView file);

struct ListBuild {
    varfile::Bytes file;
    std::string error; // empty on success
};

ListBuild BuildListFile(const ListVariable &list);

} // namespace vexil::vardata
