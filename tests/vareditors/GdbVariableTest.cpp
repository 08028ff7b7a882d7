// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/GdbVariable.h"

#include "varfile/CalcReal.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;
using varfile::CalcModel;

Bytes Data(const Bytes &file)
{
    return Bytes(file.begin() + 70, file.end() - 2);
}

Bytes Real(double value)
{
    const auto bytes = *varfile::EncodeReal(value);
    return {bytes.begin(), bytes.end()};
}

Bytes Repeat(const Bytes &part, std::size_t times)
{
    Bytes out;
    for (std::size_t i = 0; i < times; ++i) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes Built(const GdbVariable &gdb)
{
    const FileBuild build = BuildGdbFile(gdb);
    EXPECT_TRUE(build.ok()) << build.error;
    return build.file;
}

// A GDB entry with these data bytes, as another tool or a calculator writes it.
Bytes GdbFile(CalcModel model, std::uint8_t index, const Bytes &data)
{
    return *varfile::BuildVarFile(model, varfile::MakeComment("x"), {{0x08, {0x61, index}, data}});
}

TEST(GdbVariable, NewFunctionGdbsAreLaidOutAsTheCalculatorsStoreThem)
{
    const Bytes file83 = Built(NewGdb(CalcModel::TI83, GraphType::Function));
    EXPECT_EQ(Data(file83), Concat({{0x6C, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00},
                                    Repeat(Real(0), 7),
                                    Bytes(10, 0x00),
                                    Repeat({0x03, 0x00, 0x00}, 10)}));
    EXPECT_EQ(Data(file83).size(), 110u);
    EXPECT_EQ(file83[59], 0x08);
    EXPECT_EQ(file83[60], 0x61);
    EXPECT_EQ(file83[61], 0x00);
    EXPECT_EQ(std::string(file83.begin() + 11, file83.begin() + 53),
              std::string("GDB file generated with Vexil Assembler\0\0\0", 42));

    GdbVariable gdb82 = NewGdb(CalcModel::TI82, GraphType::Function);
    gdb82.nameIndex = 5;
    const Bytes file82 = Built(gdb82);
    EXPECT_EQ(Data(file82), Concat({{0x57, 0x00, 0x10, 0x00, 0x00},
                                    Repeat(Real(0), 6),
                                    Repeat({0x03, 0x00, 0x00}, 10)}));
    EXPECT_EQ(file82[61], 0x05);
    EXPECT_EQ(GdbNameLabel(5), "GDB6");
    EXPECT_EQ(GdbNameLabel(9), "GDB0");
}

TEST(GdbVariable, RowsAndSizesOfEachGraphType)
{
    struct Case {
        CalcModel model;
        GraphType type;
        std::size_t window, equations, styles, dataLength;
        const char *lastWindowRow;
        const char *lastEquation;
    };
    const Case cases[] = {
        {CalcModel::TI83, GraphType::Parametric, 9, 12, 6, 130, "Tstep", "Y6T"},
        {CalcModel::TI83, GraphType::Polar, 9, 6, 6, 7 + 81 + 6 + 18, "θstep", "r6"},
        {CalcModel::TI83, GraphType::Sequence, 16, 3, 3, 7 + 144 + 3 + 9, "w(nMin)", "w(n)"},
        {CalcModel::TI82, GraphType::Parametric, 9, 12, 0, 5 + 81 + 36, "Tstep", "Y6T"},
        {CalcModel::TI82, GraphType::Sequence, 11, 2, 0, 5 + 99 + 6, "nStart", "Vn"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(GraphTypeName(c.type)) +
                     (c.model == CalcModel::TI82 ? " 82" : ""));
        const GdbVariable gdb = NewGdb(c.model, c.type);
        EXPECT_EQ(gdb.window.size(), c.window);
        EXPECT_EQ(gdb.equations.size(), c.equations);
        EXPECT_EQ(gdb.styles.size(), c.styles);
        EXPECT_EQ(WindowRowLabel(c.model, c.type, c.window - 1), c.lastWindowRow);
        EXPECT_EQ(EquationLabel(c.model, c.type, c.equations - 1), c.lastEquation);
        EXPECT_EQ(Data(Built(gdb)).size(), c.dataLength);
    }
    EXPECT_EQ(WindowRowLabel(CalcModel::TI83, GraphType::Function, 6), "Xres");
    EXPECT_EQ(WindowRowLabel(CalcModel::TI83, GraphType::Sequence, 8), "u(nMin+1)");
    EXPECT_EQ(EquationLabel(CalcModel::TI83, GraphType::Parametric, 1), "Y1T");
    EXPECT_EQ(EquationLabel(CalcModel::TI82, GraphType::Sequence, 0), "Un");
    EXPECT_EQ(StyleEquation(GraphType::Parametric, 2), 4u);
}

TEST(GdbVariable, FormatSettingsAreOneBitEachAndTheAxesLiveInTheirOwnByte)
{
    // A set bit means Dot, Simul, GridOn, PolarGC, CoordOff, AxesOff, LabelOn.
    GdbVariable dot = NewGdb(CalcModel::TI83, GraphType::Function);
    dot.format[0] = 1;
    EXPECT_EQ(Data(Built(dot))[4], 0x01);
    GdbVariable flipped = NewGdb(CalcModel::TI82, GraphType::Polar);
    for (std::size_t group = 0; group < 7; ++group) {
        flipped.format[group] = static_cast<std::uint8_t>(1 - flipped.format[group]);
    }
    const Bytes polar = Built(flipped);
    EXPECT_EQ(Data(polar)[2], 0x20);
    EXPECT_EQ(Data(polar)[3], 0x7F);
    EXPECT_EQ(LoadGdbFile(polar).variable.format, flipped.format);

    // Only a sequence GDB stores its axes: TI-83 80 with one bit per axes but
    // Time, TI-82 01 for Web.
    struct Case {
        CalcModel model;
        GraphType type;
        std::uint8_t axes; // Web, Time, uv, vw, uw
        std::size_t offset;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {CalcModel::TI83, GraphType::Sequence, 0, 5, 0x81},
        {CalcModel::TI83, GraphType::Sequence, 1, 5, 0x80},
        {CalcModel::TI83, GraphType::Sequence, 2, 5, 0x84},
        {CalcModel::TI83, GraphType::Sequence, 3, 5, 0x88},
        {CalcModel::TI83, GraphType::Sequence, 4, 5, 0x90},
        {CalcModel::TI83, GraphType::Function, 0, 5, 0x80},
        {CalcModel::TI82, GraphType::Sequence, 0, 4, 0x01},
        {CalcModel::TI82, GraphType::Sequence, 1, 4, 0x00},
        {CalcModel::TI82, GraphType::Function, 0, 4, 0x00},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.stored));
        GdbVariable gdb = NewGdb(c.model, c.type);
        gdb.format[kAxesGroup] = c.axes;
        const Bytes file = Built(gdb);
        EXPECT_EQ(Data(file)[c.offset], c.stored);
        if (c.type == GraphType::Sequence) {
            EXPECT_EQ(LoadGdbFile(file).variable.format[kAxesGroup], c.axes);
        }
    }

    GdbVariable exprOff = NewGdb(CalcModel::TI83, GraphType::Sequence);
    exprOff.format[kExprGroup] = 1;
    const Bytes file = Built(exprOff);
    EXPECT_EQ(Data(file)[6], 0x01);
    EXPECT_EQ(LoadGdbFile(file).variable.format, exprOff.format);
    EXPECT_EQ(FormatGroupCount(CalcModel::TI82), 8u);
    EXPECT_EQ(FormatWords(CalcModel::TI82, kAxesGroup).size(), 2u);
}

TEST(GdbVariable, SelectionStylesAndEquationsSurviveSavingAndLoading)
{
    GdbVariable gdb = NewGdb(CalcModel::TI83, GraphType::Parametric);
    gdb.nameIndex = 9;
    gdb.equations[0].select(true);
    gdb.equations[0].tokens = {0xC4, 0x58, 0x11}; // cos(X)
    gdb.equations[1].flag = 0x63;                 // bits we do not edit stay
    gdb.styles[5] = 6;                            // Dot
    gdb.window[8] = {true, -2.5};
    const Bytes file = Built(gdb);
    const Bytes data = Data(file);
    EXPECT_EQ(data[7 + 81 + 5], 0x06);
    EXPECT_EQ(Bytes(data.begin() + 94, data.begin() + 100), (Bytes{0x23, 3, 0, 0xC4, 0x58, 0x11}));
    EXPECT_EQ(data[100], 0x63);

    const LoadedGdb loaded = LoadGdbFile(file);
    ASSERT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.variable.nameIndex, 9);
    EXPECT_EQ(loaded.variable.type, GraphType::Parametric);
    EXPECT_EQ(loaded.variable.window, gdb.window);
    EXPECT_EQ(loaded.variable.styles, gdb.styles);
    EXPECT_TRUE(loaded.variable.equations[0].selected());
    EXPECT_EQ(loaded.variable.equations[0].tokens, gdb.equations[0].tokens);
    EXPECT_EQ(loaded.variable.equations[1].flag, 0x63);
    EXPECT_EQ(loaded.tokenOffsets[0], 70u + 97u);
    EXPECT_EQ(Built(loaded.variable), file);
}

TEST(GdbVariable, LoadsACalculatorsSequenceGdbWithUndefinedStartValues)
{
    // TI-83: uw axes, ExprOff, PlotStart 1, u(nMin+1) undefined (flag 02), u(n) selected.
    Bytes undefined = Real(1);
    undefined[0] = 0x02;
    Bytes reals = Concat({Repeat(Real(0), 6), Real(1), Real(10), undefined, Repeat(Real(0), 7)});
    const Bytes equations =
        Concat({{0x23, 3, 0, 0x5E, 0x80, 0x71}, {0x03, 0, 0}, {0x03, 1, 0, 0x31}}); // u-, empty, 1
    Bytes data = Concat({{0, 0, 0x00, 0x80, 0x04, 0x90, 0x01}, reals, {1, 0, 4}, equations});
    data[0] = static_cast<std::uint8_t>(data.size() - 2);
    const LoadedGdb loaded = LoadGdbFile(GdbFile(CalcModel::TI83, 2, data));
    ASSERT_TRUE(loaded.complete);
    const GdbVariable &gdb = loaded.variable;
    EXPECT_EQ(gdb.nameIndex, 2);
    EXPECT_EQ(gdb.type, GraphType::Sequence);
    EXPECT_EQ(gdb.format[2], 0); // GridOn
    EXPECT_EQ(gdb.format[kAxesGroup], 4);
    EXPECT_EQ(gdb.format[kExprGroup], 1);
    EXPECT_EQ(gdb.window[6], (SettingValue{true, 1.0}));
    EXPECT_EQ(gdb.window[8], SettingValue::Undefined());
    EXPECT_EQ(gdb.styles, (std::vector<std::uint8_t>{1, 0, 4}));
    EXPECT_TRUE(gdb.equations[0].selected());
    EXPECT_EQ(gdb.equations[2].tokens, (Bytes{0x31}));
    // Written back, the undefined value keeps its flag.
    EXPECT_EQ(Data(Built(gdb))[7 + 8 * 9], 0x02);

    // Every type code whose bits are all set counts, the last one winning.
    for (const auto &[code, type] :
         {std::pair{0x30, GraphType::Polar}, std::pair{0x00, GraphType::Function},
          std::pair{0xF0, GraphType::Sequence}}) {
        Bytes header = Built(NewGdb(CalcModel::TI82, GraphType::Function));
        header[72] = static_cast<std::uint8_t>(code);
        EXPECT_EQ(LoadGdbFile(header).variable.type, type) << code;
    }
}

TEST(GdbVariable, DamagedFilesComeBackIncompleteWithoutReadingPastTheEnd)
{
    GdbVariable gdb = NewGdb(CalcModel::TI83, GraphType::Function);
    gdb.window[0] = {true, 4};
    gdb.equations[9].tokens = {0x58};
    const Bytes good = Built(gdb);
    for (std::size_t cut = 0; cut < good.size() - 2; cut += 7) {
        const LoadedGdb loaded = LoadGdbFile(Bytes(good.begin(), good.begin() + cut));
        EXPECT_FALSE(loaded.complete) << cut;
    }
    // The last token cut off: everything before it is there.
    const LoadedGdb short1 = LoadGdbFile(Bytes(good.begin(), good.end() - 3));
    EXPECT_FALSE(short1.complete);
    EXPECT_EQ(short1.variable.window[0].value, 4.0);

    Bytes badStyle = good;
    badStyle[70 + 7 + 63] = 7;
    EXPECT_FALSE(LoadGdbFile(badStyle).complete);
    Bytes badDigit = good;
    badDigit[70 + 7 + 2] = 0x1A;
    EXPECT_FALSE(LoadGdbFile(badDigit).complete);
}

TEST(GdbVariable, RefusesWhatItCannotWrite)
{
    GdbVariable wrongRows = NewGdb(CalcModel::TI82, GraphType::Function);
    wrongRows.styles.push_back(0);
    EXPECT_FALSE(BuildGdbFile(wrongRows).ok());
    GdbVariable noSuchName = NewGdb(CalcModel::TI82, GraphType::Function);
    noSuchName.nameIndex = 6;
    EXPECT_FALSE(BuildGdbFile(noSuchName).ok());
    GdbVariable huge = NewGdb(CalcModel::TI83, GraphType::Function);
    huge.window[2] = {true, 1e100};
    EXPECT_EQ(BuildGdbFile(huge).error, "Xscl lies outside -1E100 to 1E100.");
    GdbVariable tooLong = NewGdb(CalcModel::TI83, GraphType::Polar);
    tooLong.equations[0].tokens.assign(0xFFF0, 0x58);
    EXPECT_EQ(BuildGdbFile(tooLong).error, "The graph database is too long for a variable file.");

    EXPECT_EQ(ParseWindowEntry(CalcModel::TI83, GraphType::Sequence, 8, ""),
              SettingValue::Undefined());
    EXPECT_FALSE(ParseWindowEntry(CalcModel::TI83, GraphType::Sequence, 10, ""));
    EXPECT_FALSE(ParseWindowEntry(CalcModel::TI82, GraphType::Function, 0, "1+1"));
    EXPECT_EQ(ParseWindowEntry(CalcModel::TI82, GraphType::Sequence, 9, "")->defined, false);
}

} // namespace
} // namespace vexil::vardata
