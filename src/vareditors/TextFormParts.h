// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces the text forms of the variable kinds are made of: each kind's export
// and import, and the line handling they share. Only the form table uses these.
#pragma once

#include "vareditors/VariableText.h"

#include <string_view>
#include <vector>

namespace vexil::vardata::text {

struct Line {
    std::size_t number; // 1-based
    std::string_view text;
};

// The non-blank lines of `text`, without their line ends (LF or CR LF).
std::vector<Line> NonBlankLines(std::string_view text);
std::string_view Trim(std::string_view text);
// "line 3: " + message.
std::string AtLine(const Line &line, std::string_view message);

// One `key=value` line: nothing when the line has no "=".
struct KeyValue {
    std::string_view key;
    std::string_view value;
};
std::optional<KeyValue> SplitKeyValue(std::string_view line);

// An export's text, or the loader's message for a damaged file.
TextExport Exported(std::string text);
TextExport NotRead(std::string_view message);

TextExport ExportReal(varfile::ByteView file);
FileBuild ImportReal(const TextImport &request);
TextExport ExportComplex(varfile::ByteView file);
FileBuild ImportComplex(const TextImport &request);
TextExport ExportList(varfile::ByteView file);
FileBuild ImportList(const TextImport &request);
FileBuild ImportComplexList(const TextImport &request);
TextExport ExportMatrix(varfile::ByteView file);
FileBuild ImportMatrix(const TextImport &request);

TextExport ExportString(varfile::ByteView file);
FileBuild ImportString(const TextImport &request);
TextExport ExportFunction(varfile::ByteView file);
FileBuild ImportFunction(const TextImport &request);

TextExport ExportWindow(varfile::ByteView file);
FileBuild ImportWindow(const TextImport &request);
TextExport ExportZoom(varfile::ByteView file);
FileBuild ImportZoom(const TextImport &request);
TextExport ExportTable(varfile::ByteView file);
FileBuild ImportTable(const TextImport &request);

TextExport ExportGdb(varfile::ByteView file);
FileBuild ImportGdb(const TextImport &request);

} // namespace vexil::vardata::text
