// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/SettingsVariables.h"

#include "vareditors/FixedOffsetReader.h"
#include "vareditors/RealCodec.h"
#include "varfile/CalcReal.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"
#include "varfile/VarTypes.h"

#include <array>
#include <span>

namespace vexil::vardata {

namespace {

constexpr std::array<const char *, 17> kLabels82 = {
    "Xmin", "Xmax", "Xscl",  "Ymin",    "Ymax",    "Yscl",   "Tmin", "Tmax", "Tstep",
    "θmin", "θmax", "θstep", "UnStart", "VnStart", "nStart", "nMin", "nMax"};
constexpr std::array<const char *, 23> kLabels83 = {
    "Xmin", "Xmax",    "Xscl",    "Ymin",    "Ymax",      "Yscl",      "Xres",     "Tmin",
    "Tmax", "Tstep",   "θmin",    "θmax",    "θstep",     "PlotStart", "PlotStep", "nMin",
    "nMax", "u(nMin)", "v(nMin)", "w(nMin)", "u(nMin+1)", "v(nMin+1)", "w(nMin+1)"};

// The grid row of each value, in the order the file holds them. The first value
// of each u, v, w pair is the nMin+1 one, as in the sequence graph database.
constexpr std::array<std::size_t, 17> kFileOrder82 = {0, 1, 2, 3,  4,  5,  9,  10, 11,
                                                      6, 7, 8, 15, 16, 12, 13, 14};
constexpr std::array<std::size_t, 23> kFileOrder83 = {0,  1,  2,  3,  4,  5,  10, 11, 12, 7, 8, 9,
                                                      13, 16, 20, 21, 15, 17, 18, 22, 14, 6, 19};

constexpr std::size_t kSizeWordLength = 2;
constexpr std::size_t kWindowGapLength = 1; // the byte after a window's size word

std::span<const std::size_t> FileOrder(varfile::CalcModel model)
{
    if (model == varfile::CalcModel::TI82) {
        return kFileOrder82;
    }
    return kFileOrder83;
}

std::size_t ValuesOffset(SettingsKind kind)
{
    return kSizeWordLength + (kind == SettingsKind::Window ? kWindowGapLength : 0);
}

varfile::VarKind FileKind(SettingsKind kind)
{
    return kind == SettingsKind::Window ? varfile::VarKind::WindowSettings
                                        : varfile::VarKind::SavedZoom;
}

// The size word counts the bytes after it.
void PutSizeWord(varfile::Bytes &data)
{
    const std::size_t size = data.size() - kSizeWordLength;
    data[0] = static_cast<std::uint8_t>(size & 0xFF);
    data[1] = static_cast<std::uint8_t>(size >> 8);
}

FileBuild Finish(varfile::CalcModel model, varfile::VarKind kind, varfile::CommentWriter writer,
                 varfile::Bytes data)
{
    PutSizeWord(data);
    const varfile::VarEntry entry{*varfile::TypeIdOf(model, kind), varfile::SettingsVarName(model),
                                  std::move(data)};
    // At most 210 data bytes: always within the 16-bit lengths.
    return {*varfile::BuildVarFile(model, varfile::WriterComment(writer), {entry}), {}};
}

} // namespace

std::size_t SettingCount(varfile::CalcModel model)
{
    return FileOrder(model).size();
}

std::string SettingLabel(SettingsKind kind, varfile::CalcModel model, std::size_t row)
{
    const char *label = model == varfile::CalcModel::TI82 ? kLabels82.at(row) : kLabels83.at(row);
    return (kind == SettingsKind::Zoom ? "Z" : "") + std::string(label);
}

bool SettingMayBeUndefined(varfile::CalcModel model, std::size_t row)
{
    if (model == varfile::CalcModel::TI82) {
        return row == 12 || row == 13; // UnStart, VnStart
    }
    return row >= 17; // u, v, w at nMin and nMin+1
}

std::optional<SettingValue> ParseSettingEntry(varfile::CalcModel model, std::size_t row,
                                              std::string_view text)
{
    return ParseSettingValue(text, SettingMayBeUndefined(model, row), true);
}

SettingsVariable NewSettings(SettingsKind kind, varfile::CalcModel model)
{
    return {model, kind, std::vector<SettingValue>(SettingCount(model))};
}

std::string_view SettingsReadError(SettingsKind kind)
{
    return kind == SettingsKind::Window ? "Error in window settings file."
                                        : "Error reading zoom settings file.";
}

LoadResult<SettingsVariable> LoadSettingsFile(SettingsKind kind, varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    const auto model = reader.isTI82() ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    LoadResult<SettingsVariable> result{NewSettings(kind, model)};
    const std::span<const std::size_t> order = FileOrder(model);
    std::size_t offset = kDataOffset + ValuesOffset(kind);
    for (const std::size_t row : order) {
        const auto value =
            ReadSettingValue(reader, model, offset, SettingMayBeUndefined(model, row));
        if (!value) {
            result.complete = false;
            return result;
        }
        result.variable.values[row] = *value;
        offset += kRealSize;
    }
    return result;
}

FileBuild BuildSettingsFile(const SettingsVariable &settings)
{
    const std::span<const std::size_t> order = FileOrder(settings.model);
    if (settings.values.size() != order.size()) {
        return {{}, "The settings do not match the calculator model."};
    }
    varfile::Bytes data(ValuesOffset(settings.kind), 0x00);
    for (const std::size_t row : order) {
        if (!AppendSettingValue(data, settings.model, settings.values[row])) {
            return {{},
                    SettingLabel(settings.kind, settings.model, row) +
                        " lies outside -1E100 to 1E100."};
        }
    }
    return Finish(settings.model, FileKind(settings.kind), varfile::CommentWriter::WindowZoom,
                  std::move(data));
}

std::string_view TableStartLabel(varfile::CalcModel model)
{
    return model == varfile::CalcModel::TI82 ? "TblMin =" : "TblStart =";
}

LoadResult<TableSetup> LoadTableFile(varfile::ByteView file)
{
    FixedOffsetReader reader(file);
    LoadResult<TableSetup> result;
    result.variable.model = reader.isTI82() ? varfile::CalcModel::TI82 : varfile::CalcModel::TI83;
    const std::size_t offset = kDataOffset + kSizeWordLength;
    const auto start = ReadReal(reader, offset);
    const auto step = start ? ReadReal(reader, offset + kRealSize) : std::nullopt;
    result.variable.start = start.value_or(0.0);
    result.variable.step = step.value_or(0.0);
    result.complete = step.has_value();
    return result;
}

FileBuild BuildTableFile(const TableSetup &table)
{
    varfile::Bytes data(kSizeWordLength, 0x00);
    if (!AppendReal(data, table.start, varfile::RealKind::Real) ||
        !AppendReal(data, table.step, varfile::RealKind::Real)) {
        return {{}, "A table value lies outside -1E100 to 1E100."};
    }
    return Finish(table.model, varfile::VarKind::TableSetup, varfile::CommentWriter::TableSetup,
                  std::move(data));
}

} // namespace vexil::vardata
