// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/VariableText.h"

#include "vareditors/TextFormParts.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

#include <array>

namespace vexil::vardata {

namespace {

using varfile::VarKind;

constexpr std::array kForms = {
    VariableTextForm{"real", VarKind::Real, text::ExportReal, text::ImportReal},
    VariableTextForm{"complex", VarKind::Complex, text::ExportComplex, text::ImportComplex},
    VariableTextForm{"list", VarKind::List, text::ExportList, text::ImportList},
    VariableTextForm{"clist", VarKind::ComplexList, text::ExportList, text::ImportComplexList},
    VariableTextForm{"matrix", VarKind::Matrix, text::ExportMatrix, text::ImportMatrix},
    VariableTextForm{"string", VarKind::String, text::ExportString, text::ImportString},
    VariableTextForm{"equ", VarKind::Equation, text::ExportFunction, text::ImportFunction},
    VariableTextForm{"window", VarKind::WindowSettings, text::ExportWindow, text::ImportWindow},
    VariableTextForm{"zoom", VarKind::SavedZoom, text::ExportZoom, text::ImportZoom},
    VariableTextForm{"table", VarKind::TableSetup, text::ExportTable, text::ImportTable},
    VariableTextForm{"gdb", VarKind::GraphDatabase, text::ExportGdb, text::ImportGdb},
};

} // namespace

std::span<const VariableTextForm> VariableTextForms()
{
    return kForms;
}

const VariableTextForm *TextFormOfType(std::string_view type)
{
    for (const VariableTextForm &form : kForms) {
        if (form.type == type) {
            return &form;
        }
    }
    return nullptr;
}

const VariableTextForm *TextFormOfKind(varfile::VarKind kind)
{
    for (const VariableTextForm &form : kForms) {
        if (form.kind == kind) {
            return &form;
        }
    }
    return nullptr;
}

std::optional<varfile::Bytes> EntryAsFile(varfile::ByteView file, std::size_t index)
{
    const varfile::VarFileContents contents = varfile::ParseVarFile(file);
    if (contents.entries.size() <= 1) {
        if (index != 0) {
            return std::nullopt;
        }
        return varfile::Bytes(file.begin(), file.end());
    }
    if (index >= contents.entries.size()) {
        return std::nullopt;
    }
    const varfile::ParsedEntry &entry = contents.entries[index];
    return varfile::BuildVarFile(contents.model, contents.comment,
                                 {{entry.typeId, entry.name, entry.data}});
}

namespace text {

std::vector<Line> NonBlankLines(std::string_view text)
{
    std::vector<Line> lines;
    std::size_t number = 1;
    for (std::size_t start = 0; start < text.size(); ++number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!Trim(line).empty()) {
            lines.push_back({number, line});
        }
        start = end + 1;
    }
    return lines;
}

TextExport Exported(std::string text)
{
    TextExport exported;
    exported.text = std::move(text);
    return exported;
}

TextExport NotRead(std::string_view message)
{
    TextExport exported;
    exported.error = message;
    return exported;
}

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string AtLine(const Line &line, std::string_view message)
{
    return "line " + std::to_string(line.number) + ": " + std::string(message);
}

std::optional<KeyValue> SplitKeyValue(std::string_view line)
{
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyValue{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

} // namespace text

} // namespace vexil::vardata
