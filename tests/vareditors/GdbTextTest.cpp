// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/GdbVariable.h"
#include "vareditors/VariableText.h"

#include "varfile/RealText.h"

#include <gtest/gtest.h>

namespace vexil::vardata {
namespace {

using varfile::Bytes;
using varfile::CalcModel;

FileBuild Import(CalcModel model, std::string_view text, std::string name = {})
{
    return TextFormOfType("gdb")->importText({model, std::move(name), text});
}

TextExport Export(const Bytes &file)
{
    return TextFormOfType("gdb")->exportText(file);
}

TEST(GdbText, OneLinePerItemInTheWindowsOrder)
{
    const FileBuild imported =
        Import(CalcModel::TI83, "Type=Parametric\n"
                                "Name=GDB0\n"
                                "Tstep=0.1\n"
                                "X1T=cos(T)\n"
                                "X1T.Selected=1\n"
                                "X2T.Style=Shade Below\n"
                                "Format=Dot Sequential GridOn RectGC CoordOn "
                                "AxesOn LabelOff Web ExprOff\n");
    ASSERT_TRUE(imported.ok()) << imported.error;
    const TextExport exported = Export(imported.file);
    ASSERT_TRUE(exported.ok());
    EXPECT_TRUE(exported.lossy.empty());
    std::string expected =
        "Name=GDB0\nType=Parametric\n"
        "Format=Dot Sequential GridOn RectGC CoordOn AxesOn LabelOff Web ExprOff\n"
        "Xmin=0\nXmax=0\nXscl=0\nYmin=0\nYmax=0\nYscl=0\nTmin=0\nTmax=0\n"
        "Tstep=0.1\nX1T=cos(T)\n";
    for (const char *row :
         {"Y1T", "X2T", "Y2T", "X3T", "Y3T", "X4T", "Y4T", "X5T", "Y5T", "X6T", "Y6T"}) {
        expected += std::string(row) + "=\n";
    }
    expected += "X1T.Selected=1\n";
    for (const char *row :
         {"Y1T", "X2T", "Y2T", "X3T", "Y3T", "X4T", "Y4T", "X5T", "Y5T", "X6T", "Y6T"}) {
        expected += std::string(row) + ".Selected=0\n";
    }
    expected += "X1T.Style=Line\nX2T.Style=Shade Below\nX3T.Style=Line\nX4T.Style=Line\n"
                "X5T.Style=Line\nX6T.Style=Line\n";
    EXPECT_EQ(exported.text, expected);
}

TEST(GdbText, ExportThenImportGivesBackTheSameFile)
{
    struct Case {
        CalcModel model;
        const char *text;
    };
    const Case cases[] = {
        {CalcModel::TI83, "Type=Function\nY1=sin(X)+√(X) \nY1.Selected=1\nY0.Style=Dot\nXres=3"},
        {CalcModel::TI83, "Type=Polar\nθmax=6.2831853071796\nr6=2θ\nr6.Style=Animate"},
        {CalcModel::TI83, "Type=Sequence\nu(nMin)=\nv(nMin+1)=-1E-20\nu(n)=u(n-1)+1\n"
                          "Format=Connected Sequential GridOff RectGC CoordOn AxesOn LabelOff vw "
                          "ExprOn"},
        {CalcModel::TI82,
         "Name=GDB6\nType=Sequence\nUnStart=\nVn=Vn-1*2\nVn.Selected=1\n"
         "Format=Connected Sequential GridOff RectGC CoordOn AxesOn LabelOff Time"},
        {CalcModel::TI82, "Type=Function\nY9=Disp \nXmin=-10"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const FileBuild first = Import(c.model, c.text);
        ASSERT_TRUE(first.ok()) << first.error;
        const TextExport exported = Export(first.file);
        ASSERT_TRUE(exported.ok()) << exported.error;
        const FileBuild again = Import(c.model, exported.text);
        ASSERT_TRUE(again.ok()) << again.error;
        EXPECT_EQ(again.file, first.file);
    }
    // The blanks after "=" belong to the equation: "X " is X and a space.
    const LoadedGdb blanks = LoadGdbFile(Import(CalcModel::TI82, "Y1= X ").file);
    EXPECT_EQ(blanks.variable.equations[0].tokens, (Bytes{0x29, 0x58, 0x29}));
    // Nothing but the name and the type: what a new window saves.
    EXPECT_EQ(Import(CalcModel::TI83, "Name=GDB1\nType=Function\n").file,
              BuildGdbFile(NewGdb(CalcModel::TI83, GraphType::Function)).file);
}

TEST(GdbText, RefusesWhatTheWindowCannotHold)
{
    struct Case {
        CalcModel model;
        const char *text;
        std::string error;
    };
    const Case cases[] = {
        {CalcModel::TI83, "Type=Function\nθmin=1", "line 2: a Function GDB has no θmin"},
        {CalcModel::TI83, "Colour=red", "line 1: a Function GDB has no Colour"},
        {CalcModel::TI82, "Y1.Style=Line", "line 1: a Function GDB has no Y1.Style"},
        {CalcModel::TI83, "Type=Graph", "line 1: Type is Function, Parametric, Polar or Sequence"},
        {CalcModel::TI82, "Name=GDB7", "line 1: A TI-82 GDB name is one of GDB1 to GDB6."},
        {CalcModel::TI83, "Xmin=1\nXmin=2", "line 2: Xmin is given twice"},
        {CalcModel::TI83, "Xmin", "line 1: a GDB line is written key=value"},
        {CalcModel::TI83, "Xmin=1+1", std::string("line 1: ") + varfile::kInvalidRealMessage},
        {CalcModel::TI83, "Xmin=", std::string("line 1: ") + varfile::kInvalidRealMessage},
        {CalcModel::TI83, "Y2.Selected=yes", "line 1: Y2.Selected is 1 or 0"},
        {CalcModel::TI83, "Y2.Style=Bold",
         "line 1: a style is one of Line, Thick Line, Shade Above, Shade Below, Path, Animate, "
         "Dot"},
        {CalcModel::TI83, "\nY3=X+#", "line 2, column 6: Invalid token found."},
        {CalcModel::TI82, "Format=Dot",
         "line 1: Format takes one word of each setting in order: "
         "Connected or Dot, Sequential or Simul, GridOn or GridOff, "
         "RectGC or PolarGC, CoordOn or CoordOff, AxesOn or "
         "AxesOff, LabelOn or LabelOff, Web or Time"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(Import(c.model, c.text).error, c.error) << c.text;
    }
    // The TI-82 knows neither the uv axes nor Expr.
    EXPECT_FALSE(Import(CalcModel::TI82, "Format=Connected Sequential GridOff RectGC CoordOn "
                                         "AxesOn LabelOff uv")
                     .ok());
    EXPECT_FALSE(Import(CalcModel::TI82, "Format=Connected Sequential GridOff RectGC CoordOn "
                                         "AxesOn LabelOff Web ExprOn")
                     .ok());
    // A name given on the command line and another in the text.
    EXPECT_TRUE(Import(CalcModel::TI83, "Name=GDB2", "GDB2").ok());
    EXPECT_EQ(Import(CalcModel::TI83, "Name=GDB2", "GDB3").error,
              "line 1: the text names GDB2 and --name GDB3");
    EXPECT_EQ(LoadGdbFile(Import(CalcModel::TI83, "", "GDB0").file).variable.nameIndex, 9);
}

TEST(GdbText, EquationsThatTheTextCannotCarrySaySo)
{
    GdbVariable gdb = NewGdb(CalcModel::TI83, GraphType::Polar);
    gdb.equations[1].tokens = {0x58, 0xBB, 0x6D}; // X and a token of a later calculator
    const TextExport lossy = Export(BuildGdbFile(gdb).file);
    ASSERT_TRUE(lossy.ok());
    EXPECT_EQ(lossy.lossy.rfind("r2: ", 0), 0u) << lossy.lossy;

    gdb.equations[1].tokens = {0x58, 0x3F, 0x58}; // a line break
    const TextExport broken = Export(BuildGdbFile(gdb).file);
    EXPECT_EQ(broken.error, "r2 holds a line break, which its key=value line cannot carry.");

    const Bytes file = BuildGdbFile(gdb).file;
    EXPECT_EQ(Export(Bytes(file.begin(), file.begin() + 90)).error, kGdbReadError);
}

} // namespace
} // namespace vexil::vardata
