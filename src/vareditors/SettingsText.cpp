// SPDX-License-Identifier: GPL-3.0-or-later
// Window, zoom and table settings as text: one "label=value" line per setting,
// labelled as the editor's grid or boxes show them. An undefined value has nothing
// after its "=".
#include "vareditors/RealCodec.h"
#include "vareditors/SettingsVariables.h"
#include "vareditors/TextFormParts.h"
#include "varfile/RealText.h"

#include <algorithm>
#include <set>

namespace vexil::vardata::text {

namespace {

FileBuild Refused(std::string message)
{
    return {{}, std::move(message)};
}

// Window, zoom and table settings have one fixed name.
bool RefusesName(const TextImport &request, FileBuild &refusal)
{
    if (request.name.empty()) {
        return false;
    }
    refusal = Refused("Window, zoom and table settings have no name to choose.");
    return true;
}

// Each line's key and value in order; a line without "=" or a key given twice is
// refused. `keys` lists the keys in use.
struct Settings {
    std::vector<std::pair<Line, KeyValue>> lines;
    std::string error;
};
Settings SettingLines(std::string_view text, const std::vector<std::string> &keys)
{
    Settings settings;
    std::set<std::string_view> seen;
    for (const Line &line : NonBlankLines(text)) {
        const auto pair = SplitKeyValue(line.text);
        if (!pair) {
            settings.error = AtLine(line, "a setting is written label=value");
            return settings;
        }
        if (std::find(keys.begin(), keys.end(), pair->key) == keys.end()) {
            settings.error = AtLine(line, "no setting is labelled " + std::string(pair->key));
            return settings;
        }
        if (!seen.insert(pair->key).second) {
            settings.error = AtLine(line, std::string(pair->key) + " is given twice");
            return settings;
        }
        settings.lines.emplace_back(line, *pair);
    }
    return settings;
}

std::vector<std::string> GridKeys(SettingsKind kind, varfile::CalcModel model)
{
    std::vector<std::string> keys;
    for (std::size_t row = 0; row < SettingCount(model); ++row) {
        keys.push_back(SettingLabel(kind, model, row));
    }
    return keys;
}

TextExport ExportGrid(SettingsKind kind, varfile::ByteView file)
{
    const auto loaded = LoadSettingsFile(kind, file);
    if (!loaded.complete) {
        return NotRead(SettingsReadError(kind));
    }
    const SettingsVariable &settings = loaded.variable;
    std::string text;
    for (std::size_t row = 0; row < settings.values.size(); ++row) {
        const SettingValue &value = settings.values[row];
        text += SettingLabel(kind, settings.model, row) + "=" +
                (value.defined ? varfile::FormatReal(value.value) : "") + "\n";
    }
    return Exported(std::move(text));
}

FileBuild ImportGrid(SettingsKind kind, const TextImport &request)
{
    FileBuild refusal;
    if (RefusesName(request, refusal)) {
        return refusal;
    }
    const std::vector<std::string> keys = GridKeys(kind, request.model);
    const Settings lines = SettingLines(request.text, keys);
    if (!lines.error.empty()) {
        return Refused(lines.error);
    }
    SettingsVariable settings = NewSettings(kind, request.model);
    for (const auto &[line, pair] : lines.lines) {
        const auto row =
            static_cast<std::size_t>(std::find(keys.begin(), keys.end(), pair.key) - keys.begin());
        const auto value = ParseSettingEntry(request.model, row, pair.value);
        if (!value) {
            return Refused(AtLine(line, varfile::kInvalidRealMessage));
        }
        settings.values[row] = *value;
    }
    return BuildSettingsFile(settings);
}

// "TblMin =" is written TblMin=.
std::string TableKey(std::string_view label)
{
    return std::string(Trim(label.substr(0, label.find('='))));
}

} // namespace

TextExport ExportWindow(varfile::ByteView file)
{
    return ExportGrid(SettingsKind::Window, file);
}

FileBuild ImportWindow(const TextImport &request)
{
    return ImportGrid(SettingsKind::Window, request);
}

TextExport ExportZoom(varfile::ByteView file)
{
    return ExportGrid(SettingsKind::Zoom, file);
}

FileBuild ImportZoom(const TextImport &request)
{
    return ImportGrid(SettingsKind::Zoom, request);
}

TextExport ExportTable(varfile::ByteView file)
{
    const auto loaded = LoadTableFile(file);
    if (!loaded.complete) {
        return NotRead(kTableReadError);
    }
    const TableSetup &table = loaded.variable;
    return Exported(TableKey(TableStartLabel(table.model)) + "=" +
                    varfile::FormatReal(table.start) + "\n" + TableKey(kTableStepLabel) + "=" +
                    varfile::FormatReal(table.step) + "\n");
}

FileBuild ImportTable(const TextImport &request)
{
    FileBuild refusal;
    if (RefusesName(request, refusal)) {
        return refusal;
    }
    const std::vector<std::string> keys = {TableKey(TableStartLabel(request.model)),
                                           TableKey(kTableStepLabel)};
    const Settings lines = SettingLines(request.text, keys);
    if (!lines.error.empty()) {
        return Refused(lines.error);
    }
    TableSetup table;
    table.model = request.model;
    for (const auto &[line, pair] : lines.lines) {
        const auto value = ParseTypedReal(pair.value);
        if (!value) {
            return Refused(AtLine(line, varfile::kInvalidRealMessage));
        }
        (pair.key == keys[0] ? table.start : table.step) = *value;
    }
    return BuildTableFile(table);
}

} // namespace vexil::vardata::text
