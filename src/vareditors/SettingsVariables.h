// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window settings (type 0B on the TI-82, 0F on the TI-83), the saved
// zoom window (0C / 10) and the table setup (0D / 11). Their names are fixed
// (5E 81 on the TI-82, FE 82 on the TI-83). The data starts with the size word the
// calculators store (window data has one more byte after it), then the values as
// calculator reals.
//
// Window and zoom values are kept in the order of the editor's grid; the file
// holds them in another order per model. An initial sequence value may be
// undefined (SettingValue.h).
#pragma once

#include "vareditors/FileBuild.h"
#include "vareditors/LoadResult.h"
#include "vareditors/SettingValue.h"
#include "varfile/CalcModel.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::vardata {

enum class SettingsKind { Window, Zoom };

struct SettingsVariable {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    SettingsKind kind = SettingsKind::Window;
    std::vector<SettingValue> values; // in grid order, SettingCount(model) of them
};

// 17 on the TI-82, 23 on the TI-83.
std::size_t SettingCount(varfile::CalcModel model);
// The grid's label of a row in UTF-8: "Xmin", "θstep", "u(nMin+1)"; zoom labels
// have a "Z" in front ("ZXmin").
std::string SettingLabel(SettingsKind kind, varfile::CalcModel model, std::size_t row);
// The initial sequence values, which a calculator may hold undefined.
bool SettingMayBeUndefined(varfile::CalcModel model, std::size_t row);

// A typed setting: an empty text is undefined where the row allows it and 0
// elsewhere; otherwise a number as the editors take it. Nothing when refused.
std::optional<SettingValue> ParseSettingEntry(varfile::CalcModel model, std::size_t row,
                                              std::string_view text);

// Every value 0, as a new editor window shows it.
SettingsVariable NewSettings(SettingsKind kind, varfile::CalcModel model);

std::string_view SettingsReadError(SettingsKind kind);

// Window values start at offset 73, zoom values at 72; the size word (and the
// window's extra byte) are skipped, so files with 00 there load as well.
LoadResult<SettingsVariable> LoadSettingsFile(SettingsKind kind, varfile::ByteView file);
FileBuild BuildSettingsFile(const SettingsVariable &settings);

inline constexpr std::string_view kTableReadError = "Error reading table setup file.";

struct TableSetup {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    double start = 0.0; // TblMin on the TI-82, TblStart on the TI-83
    double step = 0.0;  // DeltaTbl
};

// "TblMin =" or "TblStart =", and "DeltaTbl =".
std::string_view TableStartLabel(varfile::CalcModel model);
inline constexpr std::string_view kTableStepLabel = "DeltaTbl =";

LoadResult<TableSetup> LoadTableFile(varfile::ByteView file);
FileBuild BuildTableFile(const TableSetup &table);

} // namespace vexil::vardata
