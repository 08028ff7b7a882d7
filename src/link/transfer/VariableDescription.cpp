// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfer/VariableDescription.h"

#include "varfile/VarNames.h"
#include "varfile/VarTypes.h"

#include <algorithm>
#include <string>

namespace vexil::link::transfer {

using varfile::VarKind;

namespace {

// Equations are spelled as their received files are named ("X1t", "Un", "r2"),
// so the line and the file agree; an unknown code falls back to the shown name.
std::string EquationName(varfile::CalcModel model, uint8_t code, const std::string &shown)
{
    if (code >= 0x10 && code <= 0x19) {
        return "Y" + std::to_string((code - 0x0F) % 10);
    }
    if (code >= 0x20 && code <= 0x2B) {
        return std::string(code % 2 == 0 ? "X" : "Y") + std::to_string((code - 0x20) / 2 + 1) + "t";
    }
    if (code >= 0x40 && code <= 0x45) {
        return "r" + std::to_string(code - 0x3F);
    }
    if (model == varfile::CalcModel::TI82 && (code == 0x80 || code == 0x81)) {
        return code == 0x80 ? "Un" : "Vn";
    }
    if (model == varfile::CalcModel::TI83 && code >= 0x80 && code <= 0x82) {
        return std::string(1, static_cast<char>('u' + code - 0x80)) + "n";
    }
    return shown;
}

// The word before the shown name; the settings and whole-memory kinds have no
// name of their own.
std::string Describe(VarKind kind, const std::string &shownName)
{
    switch (kind) {
    case VarKind::Real:
        return "Real " + shownName;
    case VarKind::List:
    case VarKind::ComplexList:
        return "List " + shownName;
    case VarKind::Matrix:
        return "Matrix " + shownName;
    case VarKind::Equation:
        return "Function " + shownName;
    case VarKind::String:
        return "String " + shownName;
    case VarKind::Program:
    case VarKind::ProtectedProgram:
        return "Program " + shownName;
    case VarKind::Picture:
        return "Picture " + shownName;
    case VarKind::GraphDatabase:
        return "Graph Database " + shownName;
    case VarKind::Complex:
        return "Complex " + shownName;
    case VarKind::WindowSettings:
        return "Window Settings";
    case VarKind::SavedZoom:
        return "Zoom Settings";
    case VarKind::TableSetup:
        return "Table Settings";
    case VarKind::ScreenImage:
        return "PrintScreen";
    case VarKind::Backup:
        return "Backup";
    }
    return "Unknown";
}

} // namespace

std::string VariableDescription(uint8_t machineId, uint8_t typeId, std::span<const uint8_t> name)
{
    varfile::CalcModel model;
    if (machineId == 0x02 || machineId == 0x82) {
        model = varfile::CalcModel::TI82;
    } else if (machineId == 0x03 || machineId == 0x83) {
        model = varfile::CalcModel::TI83;
    } else {
        return {};
    }
    const auto kind = varfile::KindOfTypeId(model, typeId);
    if (!kind) {
        return "Unknown";
    }
    varfile::VarName bytes{};
    std::copy_n(name.begin(), std::min(name.size(), bytes.size()), bytes.begin());
    std::string shown = varfile::DisplayVarName(model, typeId, bytes);
    if (*kind == VarKind::Equation) {
        shown = EquationName(model, bytes[1], shown);
    }
    return Describe(*kind, shown);
}

} // namespace vexil::link::transfer
