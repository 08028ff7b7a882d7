// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-83 catalog: every token by its first letter, as the calculator lists them,
// with the symbols under "Other". Texts are 8-bit token texts.
#pragma once

#include <string>
#include <vector>

namespace vexil::tibasic {

struct CatalogLetter {
    std::string button; // "A" to "I", "L" to "X", "Z" and "Other"
    std::vector<std::string> entries;
};

const std::vector<CatalogLetter> &TI83Catalog();

} // namespace vexil::tibasic
