// SPDX-License-Identifier: GPL-3.0-or-later
// The closing sections of the listing and the symbol file.
#pragma once

#include "tasm/Listing.h"
#include "tasm/MemoryImage.h"
#include "tasm/SymbolTable.h"

#include <string>

namespace vexil::tasm {

// Three entries a row, sorted by the first character only (definition order within
// a letter); local labels only when asked for. The long form lists one per row.
void WriteLabelTable(ListingWriter &out, const SymbolTable &symbols, bool locals, bool longForm);
// Sixteen bytes a row over the written range of the image.
void WriteHexDump(ListingWriter &out, const MemoryImage &image);
// One line per label: name in 16 columns, two blanks, four lower-case hex digits.
std::string SymbolFileText(const SymbolTable &symbols);

} // namespace vexil::tasm
