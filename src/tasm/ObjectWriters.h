// SPDX-License-Identifier: GPL-3.0-or-later
// The object file: a plain memory image or Intel hex records.
#pragma once

#include "tasm/MemoryImage.h"

#include <string>

namespace vexil::tasm {

// From the lowest to the highest written address, gaps holding the fill byte.
std::string binaryImage(const MemoryImage &image);
// Records of `recordBytes` data bytes; a new record at every gap unless `contiguous`.
std::string intelHex(const MemoryImage &image, int recordBytes, bool contiguous);

} // namespace vexil::tasm
