// SPDX-License-Identifier: GPL-3.0-or-later
// Graph databases (type 08, both models; names 61 and the GDB index): a saved
// graph set-up of one graph type with its format settings, the window values of
// that type, its equations and, on the TI-83, their graph styles.
//
// The data is laid out as the calculators store it. TI-83: the size word (the
// number of bytes after it), 00, the graph type's code, the format byte, the
// sequence byte (80, or in a sequence GDB 80 with its axes), the extended byte
// (ExprOff), the window values, one style byte per equation (per X/Y pair in a
// parametric GDB), then the equations. TI-82: the size word, the type's code,
// the format byte, the Web byte (01 for Web axes in a sequence GDB, else 00),
// the window values and the equations, without styles. Each equation is a flag
// byte (bit 5 set when it is selected for graphing), its token length and its
// tokens.
#pragma once

#include "vareditors/FileBuild.h"
#include "vareditors/LoadResult.h"
#include "vareditors/SettingValue.h"
#include "varfile/CalcModel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::vardata {

inline constexpr std::string_view kGdbReadError = "Error reading GDB file.";

// In the order of the Type box.
enum class GraphType { Function, Parametric, Polar, Sequence };
inline constexpr std::array<GraphType, 4> kGraphTypes = {GraphType::Function, GraphType::Parametric,
                                                         GraphType::Polar, GraphType::Sequence};

std::string_view GraphTypeName(GraphType type); // "Function" ...
std::uint8_t GraphTypeCode(GraphType type);     // 10, 40, 20, 80

// GDB1..GDB6 on the TI-82, GDB1..GDB9 and GDB0 on the TI-83.
int GdbNameCount(varfile::CalcModel model);
std::string GdbNameLabel(int nameIndex);

// The Format Settings menu: radio groups in menu order, each chosen by the index
// of its word. The first seven are the bits of the format byte; the axes of a
// sequence graph and (TI-83 only) ExprOn/ExprOff follow.
inline constexpr std::size_t kFormatGroupCount = 9;
inline constexpr std::size_t kAxesGroup = 7;
inline constexpr std::size_t kExprGroup = 8;
using GdbFormat = std::array<std::uint8_t, kFormatGroupCount>;

// 8 groups on the TI-82, 9 on the TI-83.
std::size_t FormatGroupCount(varfile::CalcModel model);
// The words of a group: "Connected", "Dot"; the axes are Web and Time on the
// TI-82 and Web, Time, uv, vw, uw on the TI-83.
std::span<const std::string_view> FormatWords(varfile::CalcModel model, std::size_t group);
// Connected, Sequential, GridOff, RectGC, CoordOn, AxesOn, LabelOff, Web, ExprOn.
GdbFormat InitialFormat();

// Graph styles (TI-83), by their stored codes 0 to 6: "Line" ... "Dot".
std::span<const std::string_view> StyleNames();

std::size_t WindowRowCount(varfile::CalcModel model, GraphType type);
// In UTF-8, as the window grid shows them: "Xmin", "θstep", "u(nMin+1)".
std::string WindowRowLabel(varfile::CalcModel model, GraphType type, std::size_t row);
// The initial sequence values, which a calculator may hold undefined.
bool WindowRowMayBeUndefined(varfile::CalcModel model, GraphType type, std::size_t row);
// A typed window value: nothing for a text that is no number (an empty text is
// one only where the value may be undefined).
std::optional<SettingValue> ParseWindowEntry(varfile::CalcModel model, GraphType type,
                                             std::size_t row, std::string_view text);

std::size_t EquationCount(varfile::CalcModel model, GraphType type);
// "Y1".."Y0", "X1T", "Y1T" ... "Y6T", "r1".."r6", "Un", "Vn" or "u(n)", "v(n)", "w(n)".
std::string EquationLabel(varfile::CalcModel model, GraphType type, std::size_t row);
// TI-83 only: one style per equation, in a parametric GDB one per X/Y pair.
std::size_t StyleCount(varfile::CalcModel model, GraphType type);
// The first equation a style belongs to.
std::size_t StyleEquation(GraphType type, std::size_t style);

inline constexpr std::uint8_t kEquationDeselected = 0x03;
inline constexpr std::uint8_t kEquationSelectedBit = 0x20;

struct GdbEquation {
    std::uint8_t flag = kEquationDeselected; // as stored; only its selected bit is edited
    varfile::Bytes tokens;

    bool selected() const { return (flag & kEquationSelectedBit) != 0; }
    void select(bool on)
    {
        flag = static_cast<std::uint8_t>(on ? flag | kEquationSelectedBit
                                            : flag & ~kEquationSelectedBit);
    }
};

struct GdbVariable {
    varfile::CalcModel model = varfile::CalcModel::TI83;
    int nameIndex = 0;
    GraphType type = GraphType::Function;
    GdbFormat format = InitialFormat();
    std::vector<SettingValue> window;   // WindowRowCount of them
    std::vector<std::uint8_t> styles;   // StyleCount of them, codes 0 to 6
    std::vector<GdbEquation> equations; // EquationCount of them
};

// What a new GDB window holds: every window value 0, every style Line, every
// equation empty and not selected.
GdbVariable NewGdb(varfile::CalcModel model, GraphType type);

struct LoadedGdb : LoadResult<GdbVariable> {
    // Where each equation's tokens start in the file.
    std::vector<std::size_t> tokenOffsets;
};

// Reads from fixed offsets; the lengths before the data are not trusted. A file
// that ends early, holds a digit that is not decimal or a style no calculator
// has, comes back incomplete with what could be read.
LoadedGdb LoadGdbFile(varfile::ByteView file);

// Refuses a variable whose rows do not match its model and type, a window value
// that cannot be stored and a GDB too long for a variable file.
FileBuild BuildGdbFile(const GdbVariable &gdb);

} // namespace vexil::vardata
