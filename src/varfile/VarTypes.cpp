// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/VarTypes.h"

#include <array>

namespace vexil::varfile {

namespace {

struct TypeRow {
    std::uint8_t id;
    VarKind kind;
    char letter; // of the extension
};

constexpr std::array kTi82Types{
    TypeRow{0x00, VarKind::Real, 'n'},           TypeRow{0x01, VarKind::List, 'l'},
    TypeRow{0x02, VarKind::Matrix, 'm'},         TypeRow{0x03, VarKind::Equation, 'y'},
    TypeRow{0x05, VarKind::Program, 'p'},        TypeRow{0x06, VarKind::ProtectedProgram, 'p'},
    TypeRow{0x07, VarKind::Picture, 'i'},        TypeRow{0x08, VarKind::GraphDatabase, 'd'},
    TypeRow{0x0B, VarKind::WindowSettings, 'w'}, TypeRow{0x0C, VarKind::SavedZoom, 'z'},
    TypeRow{0x0D, VarKind::TableSetup, 't'},     TypeRow{0x0E, VarKind::ScreenImage, '_'},
    TypeRow{0x0F, VarKind::Backup, 'b'},
};

constexpr std::array kTi83Types{
    TypeRow{0x00, VarKind::Real, 'n'},
    TypeRow{0x01, VarKind::List, 'l'},
    TypeRow{0x02, VarKind::Matrix, 'm'},
    TypeRow{0x03, VarKind::Equation, 'y'},
    TypeRow{0x04, VarKind::String, 's'},
    TypeRow{0x05, VarKind::Program, 'p'},
    TypeRow{0x06, VarKind::ProtectedProgram, 'p'},
    TypeRow{0x07, VarKind::Picture, 'i'},
    TypeRow{0x08, VarKind::GraphDatabase, 'd'},
    TypeRow{0x0C, VarKind::Complex, 'c'},
    TypeRow{0x0D, VarKind::ComplexList, 'l'},
    TypeRow{0x0F, VarKind::WindowSettings, 'w'},
    TypeRow{0x10, VarKind::SavedZoom, 'z'},
    TypeRow{0x11, VarKind::TableSetup, 't'},
    TypeRow{0x12, VarKind::ScreenImage, '_'},
    TypeRow{0x13, VarKind::Backup, 'b'},
};

template <typename Visit> auto WithTable(CalcModel model, Visit visit)
{
    return model == CalcModel::TI82 ? visit(kTi82Types) : visit(kTi83Types);
}

const TypeRow *RowOfId(CalcModel model, std::uint8_t typeId)
{
    return WithTable(model, [typeId](const auto &table) -> const TypeRow * {
        for (const TypeRow &row : table) {
            if (row.id == typeId) {
                return &row;
            }
        }
        return nullptr;
    });
}

} // namespace

std::optional<VarKind> KindOfTypeId(CalcModel model, std::uint8_t typeId)
{
    if (const TypeRow *row = RowOfId(model, typeId)) {
        return row->kind;
    }
    return std::nullopt;
}

std::optional<std::uint8_t> TypeIdOf(CalcModel model, VarKind kind)
{
    return WithTable(model, [kind](const auto &table) -> std::optional<std::uint8_t> {
        for (const TypeRow &row : table) {
            if (row.kind == kind) {
                return row.id;
            }
        }
        return std::nullopt;
    });
}

std::optional<VarKind> KindOfExtensionLetter(CalcModel model, char letter)
{
    return WithTable(model, [letter](const auto &table) -> std::optional<VarKind> {
        for (const TypeRow &row : table) {
            if (row.letter == letter) {
                return row.kind;
            }
        }
        return std::nullopt;
    });
}

const char *VarKindMeaning(VarKind kind)
{
    switch (kind) {
    case VarKind::Real:
        return "Real";
    case VarKind::List:
        return "List";
    case VarKind::Matrix:
        return "Matrix";
    case VarKind::Equation:
        return "Y-variable";
    case VarKind::String:
        return "String";
    case VarKind::Program:
        return "Program";
    case VarKind::ProtectedProgram:
        return "Edit-protected program";
    case VarKind::Picture:
        return "Picture";
    case VarKind::GraphDatabase:
        return "Graph database";
    case VarKind::WindowSettings:
        return "Window settings";
    case VarKind::SavedZoom:
        return "Saved zoom window";
    case VarKind::TableSetup:
        return "Table setup";
    case VarKind::ScreenImage:
        return "Screen image";
    case VarKind::Backup:
        return "Backup";
    case VarKind::Complex:
        return "Complex number";
    case VarKind::ComplexList:
        return "Complex list";
    }
    return "";
}

std::string VarFileExtension(CalcModel model, std::uint8_t typeId)
{
    const TypeRow *row = RowOfId(model, typeId);
    return std::string(".") + ModelDigits(model) + (row ? row->letter : '_');
}

std::string GroupFileExtension(CalcModel model)
{
    return std::string(".") + ModelDigits(model) + 'g';
}

} // namespace vexil::varfile
