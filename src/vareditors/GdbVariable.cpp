// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/GdbVariable.h"

#include "vareditors/FunctionVariable.h"
#include "vareditors/RealCodec.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"
#include "varfile/VarTypes.h"

#include <algorithm>

namespace vexil::vardata {

namespace {

using varfile::CalcModel;

constexpr std::string_view kTypeNames[] = {"Function", "Parametric", "Polar", "Sequence"};
constexpr std::uint8_t kTypeCodes[] = {0x10, 0x40, 0x20, 0x80};

constexpr std::string_view kPairs[][2] = {
    {"Connected", "Dot"},    {"Sequential", "Simul"}, {"GridOn", "GridOff"},  {"RectGC", "PolarGC"},
    {"CoordOn", "CoordOff"}, {"AxesOn", "AxesOff"},   {"LabelOn", "LabelOff"}};
// The choice of each pair that sets its bit of the format byte.
constexpr std::uint8_t kBitChoice[] = {1, 1, 0, 1, 1, 1, 0};
constexpr std::string_view kAxesWords[] = {"Web", "Time", "uv", "vw", "uw"};
constexpr std::size_t kTI82AxesWords = 2;
constexpr std::uint8_t kWebAxes = 0;
constexpr std::uint8_t kTimeAxes = 1;
// The TI-83 sequence byte: bit 7 always set, then one bit per axes but Time.
constexpr std::uint8_t kSequenceByte = 0x80;
constexpr std::uint8_t kAxesBits[] = {0x01, 0x00, 0x04, 0x08, 0x10};
constexpr std::string_view kExprWords[] = {"ExprOn", "ExprOff"};
constexpr std::uint8_t kExprOffBit = 0x01;
constexpr std::uint8_t kTI82WebByte = 0x01;

constexpr std::string_view kStyleNames[] = {"Line", "Thick Line", "Shade Above", "Shade Below",
                                            "Path", "Animate",    "Dot"};

constexpr const char *kCommonRows[] = {"Xmin", "Xmax", "Xscl", "Ymin", "Ymax", "Yscl"};
constexpr const char *kParametricRows[] = {"Tmin", "Tmax", "Tstep"};
constexpr const char *kPolarRows[] = {"θmin", "θmax", "θstep"};
constexpr const char *kSequenceRows82[] = {"nMin", "nMax", "UnStart", "VnStart", "nStart"};
constexpr const char *kSequenceRows83[] = {"PlotStart", "nMax",    "u(nMin+1)", "v(nMin+1)",
                                           "nMin",      "u(nMin)", "v(nMin)",   "w(nMin+1)",
                                           "PlotStep",  "w(nMin)"};
constexpr const char *kSequenceEquations83[] = {"u(n)", "v(n)", "w(n)"};

// Where each equation kind starts in the function editor's name list.
constexpr std::size_t kFirstParametric = 10;
constexpr std::size_t kFirstPolar = 22;
constexpr std::size_t kFirstSequence = 28;

constexpr std::uint8_t kGdbType = 0x08;
constexpr std::size_t kSizeWordLength = 2;
// Size word, the TI-83's 00, type, format, sequence and extended bytes; on the
// TI-82 size word, type, format and Web byte.
constexpr std::size_t kHeader83 = 7;
constexpr std::size_t kHeader82 = 5;
constexpr std::size_t kEquationHead = 3; // flag and token length

std::size_t Index(GraphType type)
{
    return static_cast<std::size_t>(type);
}

bool IsTI82(CalcModel model)
{
    return model == CalcModel::TI82;
}

// The rows after Xmin..Yscl (and the TI-83's Xres of a function GDB).
std::span<const char *const> ExtraRows(CalcModel model, GraphType type)
{
    switch (type) {
    case GraphType::Function:
        break;
    case GraphType::Parametric:
        return kParametricRows;
    case GraphType::Polar:
        return kPolarRows;
    case GraphType::Sequence:
        if (IsTI82(model)) {
            return kSequenceRows82;
        }
        return kSequenceRows83;
    }
    return {};
}

bool HasXres(CalcModel model, GraphType type)
{
    return type == GraphType::Function && !IsTI82(model);
}

// Every code whose bits are all set selects its type; the last such code wins,
// and a byte with none of them is a function GDB.
GraphType TypeFromCode(std::uint8_t code)
{
    GraphType type = GraphType::Function;
    for (const GraphType candidate : kGraphTypes) {
        if ((code & GraphTypeCode(candidate)) == GraphTypeCode(candidate)) {
            type = candidate;
        }
    }
    return type;
}

std::uint8_t FormatByte(const GdbFormat &format)
{
    std::uint8_t byte = 0;
    for (std::size_t bit = 0; bit < std::size(kBitChoice); ++bit) {
        if (format[bit] == kBitChoice[bit]) {
            byte = static_cast<std::uint8_t>(byte | (1u << bit));
        }
    }
    return byte;
}

void ApplyFormatByte(GdbFormat &format, std::uint8_t byte)
{
    for (std::size_t bit = 0; bit < std::size(kBitChoice); ++bit) {
        const bool set = (byte & (1u << bit)) != 0;
        format[bit] = set ? kBitChoice[bit] : static_cast<std::uint8_t>(1 - kBitChoice[bit]);
    }
}

std::uint8_t AxesFromSequenceByte(std::uint8_t byte)
{
    for (std::uint8_t axes = 0; axes < std::size(kAxesBits); ++axes) {
        if (kAxesBits[axes] != 0 && (byte & kAxesBits[axes]) != 0) {
            return axes;
        }
    }
    return kTimeAxes;
}

// Only a sequence GDB stores its axes.
std::uint8_t AxesByte(const GdbVariable &gdb)
{
    const bool sequence = gdb.type == GraphType::Sequence;
    const std::uint8_t axes = gdb.format[kAxesGroup];
    if (IsTI82(gdb.model)) {
        return sequence && axes == kWebAxes ? kTI82WebByte : 0x00;
    }
    return static_cast<std::uint8_t>(
        kSequenceByte | (sequence && axes < std::size(kAxesBits) ? kAxesBits[axes] : 0x00));
}

struct HeaderBytes {
    std::uint8_t type;
    std::uint8_t format;
    std::uint8_t axes;
    std::uint8_t extended; // 00 on the TI-82
};

std::optional<HeaderBytes> ReadHeader(const FixedOffsetReader &reader, CalcModel model)
{
    const std::size_t start = kDataOffset + kSizeWordLength + (IsTI82(model) ? 0 : 1);
    const auto bytes = reader.bytesAt(start, IsTI82(model) ? 3 : 4);
    if (!bytes) {
        return std::nullopt;
    }
    return HeaderBytes{(*bytes)[0], (*bytes)[1], (*bytes)[2],
                       IsTI82(model) ? std::uint8_t{0} : (*bytes)[3]};
}

void ApplyHeader(GdbVariable &gdb, const HeaderBytes &header)
{
    ApplyFormatByte(gdb.format, header.format);
    if (gdb.type == GraphType::Sequence) {
        gdb.format[kAxesGroup] = IsTI82(gdb.model)
                                     ? ((header.axes & kTI82WebByte) != 0 ? kWebAxes : kTimeAxes)
                                     : AxesFromSequenceByte(header.axes);
    }
    if (!IsTI82(gdb.model)) {
        gdb.format[kExprGroup] = (header.extended & kExprOffBit) != 0 ? 1 : 0;
    }
}

// Reads the rest after the header into `result`; false where the file is damaged.
bool ReadBody(const FixedOffsetReader &reader, LoadedGdb &result)
{
    GdbVariable &gdb = result.variable;
    std::size_t at = kDataOffset + (IsTI82(gdb.model) ? kHeader82 : kHeader83);
    for (std::size_t row = 0; row < gdb.window.size(); ++row, at += kRealSize) {
        const auto value = ReadSettingValue(reader, gdb.model, at,
                                            WindowRowMayBeUndefined(gdb.model, gdb.type, row));
        if (!value) {
            return false;
        }
        gdb.window[row] = *value;
    }
    for (std::uint8_t &style : gdb.styles) {
        const auto code = reader.byteAt(at++);
        if (!code || *code >= std::size(kStyleNames)) {
            return false;
        }
        style = *code;
    }
    for (GdbEquation &equation : gdb.equations) {
        const auto flag = reader.byteAt(at);
        const auto length = reader.wordAt(at + 1);
        const auto tokens = length ? reader.bytesAt(at + kEquationHead, *length) : std::nullopt;
        if (!flag || !tokens) {
            return false;
        }
        equation.flag = *flag;
        equation.tokens.assign(tokens->begin(), tokens->end());
        result.tokenOffsets.push_back(at + kEquationHead);
        at += kEquationHead + *length;
    }
    return true;
}

FileBuild Refused(std::string message)
{
    return {{}, std::move(message)};
}

bool Matches(const GdbVariable &gdb)
{
    const auto isStyle = [](std::uint8_t code) { return code < std::size(kStyleNames); };
    return gdb.nameIndex >= 0 && gdb.nameIndex < GdbNameCount(gdb.model) &&
           gdb.window.size() == WindowRowCount(gdb.model, gdb.type) &&
           gdb.equations.size() == EquationCount(gdb.model, gdb.type) &&
           gdb.styles.size() == StyleCount(gdb.model, gdb.type) &&
           std::all_of(gdb.styles.begin(), gdb.styles.end(), isStyle);
}

void AppendWord(varfile::Bytes &data, std::size_t word)
{
    data.push_back(static_cast<std::uint8_t>(word & 0xFF));
    data.push_back(static_cast<std::uint8_t>((word >> 8) & 0xFF));
}

constexpr std::string_view kTooLong = "The graph database is too long for a variable file.";

} // namespace

std::string_view GraphTypeName(GraphType type)
{
    return kTypeNames[Index(type)];
}

std::uint8_t GraphTypeCode(GraphType type)
{
    return kTypeCodes[Index(type)];
}

int GdbNameCount(CalcModel model)
{
    return IsTI82(model) ? 6 : 10;
}

std::string GdbNameLabel(int nameIndex)
{
    return "GDB" + std::to_string((nameIndex + 1) % 10);
}

std::size_t FormatGroupCount(CalcModel model)
{
    return IsTI82(model) ? kExprGroup : kFormatGroupCount;
}

std::span<const std::string_view> FormatWords(CalcModel model, std::size_t group)
{
    if (group < std::size(kPairs)) {
        return kPairs[group];
    }
    if (group == kAxesGroup) {
        return std::span(kAxesWords).first(IsTI82(model) ? kTI82AxesWords : std::size(kAxesWords));
    }
    if (group == kExprGroup && !IsTI82(model)) {
        return kExprWords;
    }
    return {};
}

GdbFormat InitialFormat()
{
    return {0, 0, 1, 0, 0, 0, 1, kWebAxes, 0};
}

std::span<const std::string_view> StyleNames()
{
    return kStyleNames;
}

std::size_t WindowRowCount(CalcModel model, GraphType type)
{
    return std::size(kCommonRows) + (HasXres(model, type) ? 1 : 0) + ExtraRows(model, type).size();
}

std::string WindowRowLabel(CalcModel model, GraphType type, std::size_t row)
{
    if (row < std::size(kCommonRows)) {
        return kCommonRows[row];
    }
    if (HasXres(model, type)) {
        return "Xres";
    }
    return ExtraRows(model, type)[row - std::size(kCommonRows)];
}

bool WindowRowMayBeUndefined(CalcModel model, GraphType type, std::size_t row)
{
    if (type != GraphType::Sequence || row >= WindowRowCount(model, type)) {
        return false;
    }
    const std::string label = WindowRowLabel(model, type, row);
    if (IsTI82(model)) {
        return label == "UnStart" || label == "VnStart";
    }
    return label.find("(nMin") != std::string::npos;
}

std::optional<SettingValue> ParseWindowEntry(CalcModel model, GraphType type, std::size_t row,
                                             std::string_view text)
{
    return ParseSettingValue(text, WindowRowMayBeUndefined(model, type, row), false);
}

std::size_t EquationCount(CalcModel model, GraphType type)
{
    switch (type) {
    case GraphType::Function:
        return 10;
    case GraphType::Parametric:
        return 12;
    case GraphType::Polar:
        return 6;
    case GraphType::Sequence:
        break;
    }
    return IsTI82(model) ? 2 : 3;
}

std::string EquationLabel(CalcModel model, GraphType type, std::size_t row)
{
    static constexpr std::size_t kFirst[] = {0, kFirstParametric, kFirstPolar, kFirstSequence};
    if (type == GraphType::Sequence && !IsTI82(model)) {
        return kSequenceEquations83[row];
    }
    return FunctionNameLabel(model, static_cast<int>(kFirst[Index(type)] + row));
}

std::size_t StyleCount(CalcModel model, GraphType type)
{
    if (IsTI82(model)) {
        return 0;
    }
    const std::size_t equations = EquationCount(model, type);
    return type == GraphType::Parametric ? equations / 2 : equations;
}

std::size_t StyleEquation(GraphType type, std::size_t style)
{
    return type == GraphType::Parametric ? 2 * style : style;
}

GdbVariable NewGdb(CalcModel model, GraphType type)
{
    GdbVariable gdb;
    gdb.model = model;
    gdb.type = type;
    gdb.window.resize(WindowRowCount(model, type));
    gdb.styles.resize(StyleCount(model, type));
    gdb.equations.resize(EquationCount(model, type));
    return gdb;
}

LoadedGdb LoadGdbFile(varfile::ByteView file)
{
    const FixedOffsetReader reader(file);
    const CalcModel model = reader.isTI82() ? CalcModel::TI82 : CalcModel::TI83;
    LoadedGdb result;
    result.variable = NewGdb(model, GraphType::Function);
    const auto name = reader.byteAt(kNameOffset + 1);
    const auto header = ReadHeader(reader, model);
    if (!name || !header) {
        result.complete = false;
        return result;
    }
    result.variable = NewGdb(model, TypeFromCode(header->type));
    result.variable.nameIndex = *name < GdbNameCount(model) ? *name : 0;
    ApplyHeader(result.variable, *header);
    result.complete = ReadBody(reader, result);
    return result;
}

FileBuild BuildGdbFile(const GdbVariable &gdb)
{
    if (!Matches(gdb)) {
        return Refused("The graph database does not match its calculator and graph type.");
    }
    varfile::Bytes data(kSizeWordLength, 0x00);
    if (!IsTI82(gdb.model)) {
        data.push_back(0x00);
    }
    data.push_back(GraphTypeCode(gdb.type));
    data.push_back(FormatByte(gdb.format));
    data.push_back(AxesByte(gdb));
    if (!IsTI82(gdb.model)) {
        data.push_back(gdb.format[kExprGroup] == 1 ? kExprOffBit : 0x00);
    }
    for (std::size_t row = 0; row < gdb.window.size(); ++row) {
        if (!AppendSettingValue(data, gdb.model, gdb.window[row])) {
            return Refused(WindowRowLabel(gdb.model, gdb.type, row) +
                           " lies outside -1E100 to 1E100.");
        }
    }
    data.insert(data.end(), gdb.styles.begin(), gdb.styles.end());
    for (const GdbEquation &equation : gdb.equations) {
        if (equation.tokens.size() > 0xFFFF) {
            return Refused(std::string(kTooLong));
        }
        data.push_back(equation.flag);
        AppendWord(data, equation.tokens.size());
        data.insert(data.end(), equation.tokens.begin(), equation.tokens.end());
    }
    const std::size_t size = data.size() - kSizeWordLength;
    if (size > 0xFFFF) {
        return Refused(std::string(kTooLong));
    }
    data[0] = static_cast<std::uint8_t>(size & 0xFF);
    data[1] = static_cast<std::uint8_t>(size >> 8);
    const varfile::VarEntry entry{kGdbType, *varfile::GdbVarName((gdb.nameIndex + 1) % 10),
                                  std::move(data)};
    auto built = varfile::BuildVarFile(
        gdb.model, varfile::WriterComment(varfile::CommentWriter::GraphDatabase), {entry});
    if (!built) {
        return Refused(std::string(kTooLong));
    }
    return {std::move(*built), {}};
}

} // namespace vexil::vardata
