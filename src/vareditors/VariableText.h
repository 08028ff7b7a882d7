// SPDX-License-Identifier: GPL-3.0-or-later
// Every variable kind that has an editor, as plain UTF-8 text: what a script
// reads out of a variable file and the file it gets back from text. Import builds
// the very bytes the kind's editor saves, through the same layouts, so exporting a
// file Vexil wrote and importing the text again gives the same file.
//
// Each kind is one entry of a table; a new kind of variable plugs in as one more.
#pragma once

#include "vareditors/FileBuild.h"
#include "varfile/CalcModel.h"
#include "varfile/VarTypes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vexil::vardata {

struct TextExport {
    std::string text;
    std::string error; // empty on success
    // Why the text does not give back the same bytes (tokens that do not decode
    // reversibly); empty when it does.
    std::string lossy;

    bool ok() const { return error.empty(); }
};

struct TextImport {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    // As the editor's name box shows it ("[J]", "Y0", "Str0", "L1", "θ"); empty
    // for the name a new editor window starts with.
    std::string name;
    std::string_view text;
};

struct VariableTextForm {
    std::string_view type; // "real", "clist", "window", ...
    varfile::VarKind kind; // the variables this form reads
    // A single-entry file of the kind; an error for a damaged file.
    TextExport (*exportText)(varfile::ByteView file);
    // What the editor would refuse is refused with the editor's message.
    FileBuild (*importText)(const TextImport &request);
};

std::span<const VariableTextForm> VariableTextForms();

const VariableTextForm *TextFormOfType(std::string_view type);
const VariableTextForm *TextFormOfKind(varfile::VarKind kind);

// Entry `index` (from 0) of any variable file as a single-entry file of the same
// model, which the editors' fixed-offset readers can take. A single-entry file
// comes back as it is, damage and all, so its readers report that damage;
// nothing when the file has no such entry.
std::optional<varfile::Bytes> EntryAsFile(varfile::ByteView file, std::size_t index);

} // namespace vexil::vardata
