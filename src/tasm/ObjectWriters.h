// SPDX-License-Identifier: GPL-3.0-or-later
// The object file: a plain memory image or one of the hex record formats.
#pragma once

#include "tasm/MemoryImage.h"
#include "tasm/Options.h"

#include <string>

namespace vexil::tasm {

// From the lowest to the highest written address, gaps holding the fill byte.
std::string BinaryImage(const MemoryImage &image);

// Hex records of at most `recordBytes` data bytes each, a new record at every gap
// unless `contiguous`; `format` must not be Binary.
std::string HexRecords(const MemoryImage &image, ObjectFormat format, int recordBytes,
                       bool contiguous);

// The object file the options ask for.
std::string ObjectFile(const MemoryImage &image, const Options &options);

} // namespace vexil::tasm
