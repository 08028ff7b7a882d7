// SPDX-License-Identifier: GPL-3.0-or-later
// The one-byte variable type ids. The same id means different things on the two
// models (0C is a saved zoom window on the TI-82 and a complex number on the
// TI-83), so an id is only ever turned into a meaning together with its model.
#pragma once

#include "varfile/CalcModel.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vexil::varfile {

enum class VarKind {
    Real,
    List,
    Matrix,
    Equation, // Y-variable: a function equation
    String,   // TI-83 only
    Program,
    ProtectedProgram,
    Picture,
    GraphDatabase,
    WindowSettings,
    SavedZoom,
    TableSetup,
    ScreenImage,
    Backup,
    Complex,     // TI-83 only
    ComplexList, // TI-83 only
};

// The kind an id stands for on `model`, or nothing for an id without a meaning
// there (09 and 0A on both, 04 on the TI-82, 0E on the TI-83, ids past the table).
std::optional<VarKind> KindOfTypeId(CalcModel model, std::uint8_t typeId);

// The id of `kind` on `model`, or nothing when the model has no such variable.
std::optional<std::uint8_t> TypeIdOf(CalcModel model, VarKind kind);

// The kind a file extension letter ("m" of ".83m") names on `model`; the first
// kind in id order when several share the letter, nothing for other letters.
std::optional<VarKind> KindOfExtensionLetter(CalcModel model, char letter);

// A short English description: "Real", "Edit-protected program", ...
const char *VarKindMeaning(VarKind kind);

// The default file extension of a single variable, with its dot: ".82n", ".83l".
// Ids without a meaning get ".82_" / ".83_", as received variables do.
std::string VarFileExtension(CalcModel model, std::uint8_t typeId);

// ".82g" or ".83g": a file that holds several variables.
std::string GroupFileExtension(CalcModel model);

} // namespace vexil::varfile
