// SPDX-License-Identifier: GPL-3.0-or-later
// The editors' files against an independent implementation of the container, in
// both directions: what the editors write must read cleanly there, and what it
// writes must open in the editors.
#include "base/FileIo.h"
#include "support/ScratchFolder.h"
#include "tibasic/ProgramFile.h"
#include "vareditors/FunctionVariable.h"
#include "vareditors/GdbVariable.h"
#include "vareditors/ListVariable.h"
#include "vareditors/MatrixVariable.h"
#include "vareditors/NumberVariables.h"
#include "vareditors/SettingsVariables.h"
#include "vareditors/StringVariable.h"
#include "varfile/CalcReal.h"

// The library's C headers use the C99 keyword, which C++ spells differently.
#define restrict __restrict
#include <tifiles.h>
#undef restrict

#include <gtest/gtest.h>

#include <cstring>

namespace vexil::vardata {
namespace {

namespace fs = std::filesystem;
using varfile::Bytes;
using varfile::CalcModel;

struct Expected {
    std::uint8_t type;
    Bytes name; // without the padding
    Bytes data;
};

class TifilesExchange : public ::testing::Test {
protected:
    static void SetUpTestSuite() { tifiles_library_init(); }
    static void TearDownTestSuite() { tifiles_library_exit(); }

    void ExpectReadThere(const std::string &name, const Bytes &file, CalcModel model,
                         const Expected &expected)
    {
        SCOPED_TRACE(name);
        const fs::path path = folder_ / name;
        ASSERT_FALSE(base::WriteFileAtomically(path, file));
        ::FileContent *content = tifiles_content_create_regular(CalcOf(model));
        ASSERT_EQ(tifiles_file_read_regular(path.c_str(), content), 0);
        EXPECT_EQ(content->model, CalcOf(model));
        EXPECT_EQ(content->checksum, content->stored_checksum);
        ASSERT_EQ(content->num_entries, 1u);
        const ::VarEntry *entry = content->entries[0];
        EXPECT_EQ(entry->type, expected.type);
        EXPECT_EQ(Bytes(entry->name, entry->name + std::strlen(entry->name)), expected.name);
        EXPECT_EQ(Bytes(entry->data, entry->data + entry->size), expected.data);
        tifiles_content_delete_regular(content);
    }

    Bytes WrittenThere(const std::string &name, CalcModel model, const Expected &variable)
    {
        const fs::path path = folder_ / name;
        ::FileContent *content = tifiles_content_create_regular(CalcOf(model));
        std::strcpy(content->comment, "Written by another tool");
        ::VarEntry *entry = tifiles_ve_create_alloc_data(variable.data.size());
        std::memcpy(entry->data, variable.data.data(), variable.data.size());
        std::memcpy(entry->name, variable.name.data(), variable.name.size());
        entry->type = variable.type;
        entry->size = static_cast<std::uint32_t>(variable.data.size());
        tifiles_content_add_entry(content, entry);
        EXPECT_EQ(tifiles_file_write_regular(path.c_str(), content, nullptr), 0);
        tifiles_content_delete_regular(content);
        return base::ReadWholeFile(path).bytes;
    }

    static ::CalcModel CalcOf(CalcModel model)
    {
        return model == CalcModel::TI82 ? CALC_TI82 : CALC_TI83;
    }

    vexil::testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

Bytes RealBytes(double value, varfile::RealKind kind = varfile::RealKind::Real)
{
    const auto bytes = *varfile::EncodeReal(value, kind);
    return {bytes.begin(), bytes.end()};
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

// `count` reals of value first, first + 1, ... (or all `first` when `step` is 0).
Bytes Counting(int count, double first = 0, double step = 1)
{
    Bytes out;
    for (int i = 0; i < count; ++i) {
        const Bytes real = RealBytes(first + i * step);
        out.insert(out.end(), real.begin(), real.end());
    }
    return out;
}

TEST_F(TifilesExchange, EditorFilesReadCleanlyThere)
{
    ListVariable list;
    list.model = CalcModel::TI82;
    list.name = "L2";
    list.elements = {{1.5, 0}, {-3, 0}};
    ExpectReadThere("list.82l", BuildListFile(list).file, CalcModel::TI82,
                    {0x01, {0x5D, 0x01}, Concat({{2, 0}, RealBytes(1.5), RealBytes(-3)})});

    ListVariable complexList;
    complexList.complex = true;
    complexList.name = "ABC";
    complexList.elements = {{1, 2}};
    ExpectReadThere("clist.83l", BuildListFile(complexList).file, CalcModel::TI83,
                    {0x0D, {0x5D, 'A', 'B', 'C'}, Concat({{1, 0}, RealBytes(1), RealBytes(2)})});

    RealVariable real;
    real.model = CalcModel::TI82;
    real.nameIndex = kThetaNameIndex;
    real.value = 0.001;
    ExpectReadThere("theta.82n", BuildRealFile(real).file, CalcModel::TI82,
                    {0x00, {0x5B}, RealBytes(0.001)});

    ComplexVariable complex{3, -1, 0.5};
    ExpectReadThere("d.83c", BuildComplexFile(complex).file, CalcModel::TI83,
                    {0x0C,
                     {'D'},
                     Concat({RealBytes(-1, varfile::RealKind::ComplexHalf),
                             RealBytes(0.5, varfile::RealKind::ComplexHalf)})});

    StringVariable string{1, "HI"};
    ExpectReadThere("str2.83s", BuildStringFile(string).file, CalcModel::TI83,
                    {0x04, {0xAA, 0x01}, {2, 0, 'H', 'I'}});
}

TEST_F(TifilesExchange, MatrixFunctionAndSettingsFilesReadCleanlyThere)
{
    MatrixVariable matrix;
    matrix.nameIndex = 9;
    matrix.rows = 1;
    matrix.columns = 2;
    matrix.values = {0, 1};
    ExpectReadThere("j.83m", BuildMatrixFile(matrix).file, CalcModel::TI83,
                    {0x02, {0x5C, 0x09}, Concat({{2, 1}, Counting(2)})});

    ExpectReadThere("y0.82y", BuildFunctionFile({CalcModel::TI82, 9, "X"}).file, CalcModel::TI82,
                    {0x03, {0x5E, 0x19}, {1, 0, 0x58}});

    ExpectReadThere(
        "window.82w", BuildSettingsFile(NewSettings(SettingsKind::Window, CalcModel::TI82)).file,
        CalcModel::TI82, {0x0B, {0x5E, 0x81}, Concat({{0x9A, 0x00, 0x00}, Counting(17, 0, 0)})});
    SettingsVariable zoom = NewSettings(SettingsKind::Zoom, CalcModel::TI83);
    zoom.values[0] = {true, -10.0};
    ExpectReadThere(
        "zoom.83z", BuildSettingsFile(zoom).file, CalcModel::TI83,
        {0x10, {0xFE, 0x82}, Concat({{0xCF, 0x00}, RealBytes(-10), Counting(22, 0, 0)})});
    ExpectReadThere("table.83t", BuildTableFile({CalcModel::TI83, 0, 1}).file, CalcModel::TI83,
                    {0x11, {0xFE, 0x82}, Concat({{0x12, 0x00}, RealBytes(0), RealBytes(1)})});
}

TEST_F(TifilesExchange, GraphDatabasesReadCleanlyThere)
{
    ExpectReadThere("gdb1.83d", BuildGdbFile(NewGdb(CalcModel::TI83, GraphType::Function)).file,
                    CalcModel::TI83,
                    {0x08,
                     {0x61},
                     Concat({{0x6C, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00},
                             Counting(7, 0, 0),
                             Bytes(10, 0x00),
                             Concat({{3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0},
                                     {3, 0, 0}})})});

    GdbVariable sequence = NewGdb(CalcModel::TI82, GraphType::Sequence);
    sequence.nameIndex = 5;
    sequence.window[0] = {true, -1};
    sequence.equations[1] = {0x23, {0x58}};
    ExpectReadThere("gdb6.82d", BuildGdbFile(sequence).file, CalcModel::TI82,
                    {0x08,
                     {0x61, 0x05},
                     Concat({{0x6D, 0x00, 0x80, 0x00, 0x01},
                             RealBytes(-1),
                             Counting(10, 0, 0),
                             {0x03, 0, 0, 0x23, 1, 0, 0x58}})});
}

TEST_F(TifilesExchange, CalculatorLayoutsWrittenThereOpenWithTheirValues)
{
    // A matrix of 2 rows and 3 columns stores 03 02, then row 1.
    auto matrix = LoadMatrixFile(WrittenThere("b.82m", CalcModel::TI82,
                                              {0x02, {0x5C, 0x01}, Concat({{3, 2}, Counting(6)})}));
    EXPECT_TRUE(matrix.complete);
    EXPECT_EQ(matrix.variable.nameIndex, 1);
    EXPECT_EQ(matrix.variable.rows, 2);
    EXPECT_EQ(matrix.variable.columns, 3);
    EXPECT_EQ(matrix.variable.at(1, 0), 3.0);

    auto function = LoadFunctionFile(
        WrittenThere("r1.83y", CalcModel::TI83, {0x03, {0x5E, 0x40}, {2, 0, 0xC2, 0x5B}}));
    EXPECT_TRUE(function.complete);
    EXPECT_EQ(function.variable.nameIndex, 22);
    EXPECT_EQ(function.variable.text, "sin(\xC1");

    // A TI-83 window as the calculator stores it: D0 00 00, then the values in
    // file order (θmin is the 7th, Xres the 22nd).
    auto window = LoadSettingsFile(
        SettingsKind::Window,
        WrittenThere("window.83w", CalcModel::TI83,
                     {0x0F, {0xFE, 0x82}, Concat({{0xD0, 0x00, 0x00}, Counting(23)})}));
    EXPECT_TRUE(window.complete);
    EXPECT_EQ(window.variable.values[10].value, 6.0); // θmin
    EXPECT_EQ(window.variable.values[6].value, 21.0); // Xres

    auto zoom =
        LoadSettingsFile(SettingsKind::Zoom,
                         WrittenThere("zoom.82z", CalcModel::TI82,
                                      {0x0C, {0x5E, 0x81}, Concat({{0x99, 0x00}, Counting(17)})}));
    EXPECT_TRUE(zoom.complete);
    EXPECT_EQ(zoom.variable.values[16].value, 13.0); // nMax, the 14th value

    // A TI-83 polar GDB with r1 selected: 6 styles after the 9 reals.
    auto gdb = LoadGdbFile(
        WrittenThere("gdb2.83d", CalcModel::TI83,
                     {0x08,
                      {0x61, 0x01},
                      Concat({{0x7F, 0x00, 0x00, 0x20, 0x01, 0x80, 0x00},
                              Counting(9),
                              {2, 0, 0, 0, 0, 6},
                              {0x23, 1, 0, 0x5B, 3, 0, 0, 3, 0, 0, 3, 0, 0, 3, 0, 0, 3, 0, 0}})}));
    EXPECT_TRUE(gdb.complete);
    EXPECT_EQ(gdb.variable.nameIndex, 1);
    EXPECT_EQ(gdb.variable.type, GraphType::Polar);
    EXPECT_EQ(gdb.variable.format[0], 1); // Dot
    EXPECT_EQ(gdb.variable.window[8].value, 8.0);
    EXPECT_EQ(gdb.variable.styles[5], 6);
    EXPECT_TRUE(gdb.variable.equations[0].selected());
    EXPECT_EQ(gdb.variable.equations[0].tokens, (Bytes{0x5B}));

    auto table =
        LoadTableFile(WrittenThere("table.82t", CalcModel::TI82,
                                   {0x0D, {0x5E, 0x81}, Concat({{0x12, 0x00}, Counting(2, -1)})}));
    EXPECT_TRUE(table.complete);
    EXPECT_EQ(table.variable.model, CalcModel::TI82);
    EXPECT_EQ(table.variable.start, -1.0);
    EXPECT_EQ(table.variable.step, 0.0);
}

TEST_F(TifilesExchange, FilesWrittenThereOpenInTheEditors)
{
    auto list = LoadListFile(WrittenThere(
        "l1.83l", CalcModel::TI83,
        {0x01, {0x5D, 0x00}, Concat({{3, 0}, RealBytes(1), RealBytes(2), RealBytes(1e-5)})}));
    EXPECT_TRUE(list.complete);
    EXPECT_EQ(list.variable.name, "L1");
    ASSERT_EQ(list.variable.elements.size(), 3u);
    EXPECT_EQ(list.variable.elements[2].re, 1e-5);

    auto real = LoadRealFile(WrittenThere("x.82n", CalcModel::TI82, {0x00, {'X'}, RealBytes(-7)}));
    EXPECT_TRUE(real.complete);
    EXPECT_EQ(real.variable.model, CalcModel::TI82);
    EXPECT_EQ(real.variable.nameIndex, 'X' - 'A');
    EXPECT_EQ(real.variable.value, -7.0);

    auto string = LoadStringFile(
        WrittenThere("str1.83s", CalcModel::TI83, {0x04, {0xAA}, {3, 0, 0xAC, 0x6A, 0x33}}));
    EXPECT_TRUE(string.complete);
    EXPECT_EQ(string.variable.nameIndex, 0);
    EXPECT_EQ(string.variable.text, "\xC4=3");

    // Programs open through the same loader the program editors use.
    auto program = tibasic::LoadProgramFile(
        WrittenThere("prog.83p", CalcModel::TI83, {0x05, {'P', 'R', 'G'}, {2, 0, 0xDE, 0x2A}}));
    EXPECT_TRUE(program.ok());
    EXPECT_EQ(program.program.name, "PRG");
    EXPECT_EQ(program.program.tokens, (Bytes{0xDE, 0x2A}));
}

} // namespace
} // namespace vexil::vardata
