// SPDX-License-Identifier: GPL-3.0-or-later
// What a file is, told from its first bytes (and its extension) before anyone reads
// it as something it is not. The TI-83 Plus and other calculators write files that
// look like ours from afar but lay out their entries differently, and a text window
// would rewrite any variable file as text; both are named to the user and refused.
#pragma once

#include "varfile/CalcModel.h"

#include <optional>
#include <string>
#include <string_view>

namespace vexil::varfile {

enum class FileFamily {
    TI82,            // "**TI82**"
    TI83,            // "**TI83**"
    TI83Plus,        // "**TI83F*"
    OtherCalculator, // the signature of the TI-73, TI-85, TI-86, TI-89 or TI-92
    NotCalculator,   // anything else, including a file too short for a signature
};

// A file with another signature whose entries are all laid out as in a TI-82 or
// TI-83 file counts as one, by its sixth byte as the loaders read it: it is one of
// ours with a damaged signature.
FileFamily FamilyOfFile(ByteView file);

// "TI-82 file", "TI-83 file", "TI-83 Plus file" or "not a TI-82 or TI-83 file".
const char *FamilyDescription(FileFamily family);

inline bool IsOurFamily(FileFamily family)
{
    return family == FileFamily::TI82 || family == FileFamily::TI83;
}

// What the user is told when a TI-83 Plus file or another calculator's file is
// refused; empty for the other families.
std::string ForeignFileMessage(FileFamily family);

struct CalculatorFileKind {
    // What the file holds, as a phrase for a sentence: "a TI-83 matrix", "a TI-82
    // group of 3 variables", "a TI-83 backup".
    std::string phrase;
    // The extension Vexil gives such a file, with its dot (".83m", ".82g"); empty
    // when the file says too little.
    std::string extension;
};

// What a TI-82 or TI-83 file holds: from the contents when they carry a TI-82 or
// TI-83 signature, otherwise from a calculator extension such as "83m" (given
// without the dot, in any case); nothing when neither says it is such a file.
std::optional<CalculatorFileKind> KindOfCalculatorFile(ByteView file, std::string_view extension);

} // namespace vexil::varfile
