// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-82's token menus, as its keys open them.
#include "tibasic/TokenMenuData.h"

namespace vexil::tibasic::detail {

// clang-format off
std::vector<TokenMenu> BuildTI82Menus()
{
    return {
        Menu(MenuId::StatPlot, "STAT PLOT", {
            Tab("PLOTS", {"Plot1(", "Plot2(", "Plot3(", "PlotsOff ", "PlotsOn "}),
            Tab("TYPE", {"Scatter", "xyLine", "Boxplot", "Histogram"}),
            Tab("MARK", {"{D0}", "{D1}", "{D2}"}),
        }),
        Menu(MenuId::TblSet, "TblSet", {
            Tab("TABLE SETUP", {"IndpntAuto", "IndpntAsk", "DependAuto", "DependAsk"}),
        }),
        Menu(MenuId::Window, "WINDOW", {
            Tab("FORMAT", {"RectGC", "PolarGC", "CoordOn", "CoordOff", "GridOn", "GridOff",
                           "AxesOn", "AxesOff", "LabelOn", "LabelOff", "Time", "Web"}),
        }),
        Menu(MenuId::Zoom, "ZOOM", {
            Tab("ZOOM", {"ZBox", "Zoom In", "Zoom Out", "ZDecimal", "ZSquare", "ZStandard",
                         "ZTrig", "ZInteger", "ZoomStat"}),
            Tab("MEMORY", {"ZPrevious", "ZoomSto", "ZoomRcl"}),
        }),
        Menu(MenuId::Mode, "MODE", {
            Tab("MODE", {"Normal", "Sci", "Eng", "Float", "Fix", "Radian", "Degree", "Func",
                         "Param", "Polar", "Seq", "Connected", "Dot", "Sequential", "Simul",
                         "FullScreen", "Split"}),
        }),
        Menu(MenuId::Stat, "STAT", {
            Tab("EDIT", {"SortA(", "SortD(", "ClrList "}),
            Tab("CALC", {"1-Var Stats ", "2-Var Stats ", "Med-Med ", "LinReg(ax+b) ", "QuadReg ",
                         "CubicReg ", "QuartReg ", "LinReg(a+bx) ", "LnReg ", "ExpReg ",
                         "PwrReg "}),
        }),
        Menu(MenuId::List, "LIST", {
            Tab("OPS", {"SortA(", "SortD(", "dim ", "Fill(", "seq("}),
            Tab("MATH", {"min(", "max(", "mean(", "median(", "sum ", "prod "}),
        }),
        Menu(MenuId::Math, "MATH", {
            Tab("MATH", {"{E5}Frac", "{E5}Dec", "{D5}", "{D3}", "{CD}{F0}", "fMin(", "fMax(",
                         "nDeriv(", "fnInt(", "solve("}),
            Tab("NUM", {"round(", "iPart ", "fPart ", "int ", "min(", "max("}),
            Tab("HYP", {"sinh ", "cosh ", "tanh ", "sinh{F1} ", "cosh{F1} ", "tanh{F1} "}),
            Tab("PRB", {"rand", " nPr ", " nCr ", "!"}),
        }),
        Menu(MenuId::Test, "TEST", {
            Tab("TEST", {"=", "{F8}", ">", "{F9}", "<", "{F7}"}),
            Tab("LOGIC", {" and ", " or ", " xor ", "not "}),
        }),
        Menu(MenuId::Matrx, "MATRX", {
            Tab("NAMES", {"[A]", "[B]", "[C]", "[D]", "[E]"}),
            Tab("MATH", {"det ", "{F6}", "dim ", "Fill(", "identity ", "randM(", "augment(",
                         "rowSwap(", "row+(", "*row(", "*row+("}),
        }),
        Menu(MenuId::Angle, "ANGLE", {
            Tab("ANGLE", {"{F4}", "'", "{F5}", "{E5}DMS", "R{E5}Pr(", "R{E5}P{C1}(", "P{E5}Rx(",
                          "P{E5}Ry("}),
        }),
        Menu(MenuId::Prgm, "PRGM", {
            Tab("CTL", {"If ", "Then", "Else", "For(", "While ", "Repeat ", "End", "Pause ",
                        "Lbl ", "Goto ", "IS>(", "DS<(", "Menu(", "prgm", "Return", "Stop"}),
            Tab("I/O", {"Input ", "Prompt ", "Disp ", "DispGraph", "DispTable", "Output(",
                        "getKey", "ClrHome", "ClrTable ", "PrintScreen", "Get(", "Send("}),
        }),
        Menu(MenuId::Draw, "DRAW", {
            Tab("DRAW", {"ClrDraw", "Line(", "Horizontal ", "Vertical ", "Tangent(", "DrawF",
                         "Shade(", "DrawInv ", "Circle(", "Text("}),
            Tab("POINTS", {"Pt-On(", "Pt-Off(", "Pt-Change(", "Pxl-On(", "Pxl-Off(",
                           "Pxl-Change(", "pxl-Test("}),
            Tab("STO", {"StorePic ", "RecallPic ", "StoreGDB ", "RecallGDB "}),
        }),
        Menu(MenuId::YVars, "Y-VARS", {
            Tab("FUNC", {"Y{81}", "Y{82}", "Y{83}", "Y{84}", "Y{85}", "Y{86}", "Y{87}", "Y{88}",
                         "Y{89}", "Y{80}"}),
            Tab("PAR", {"X{81}{D4}", "Y{81}{D4}", "X{82}{D4}", "Y{82}{D4}", "X{83}{D4}",
                        "Y{83}{D4}", "X{84}{D4}", "Y{84}{D4}", "X{85}{D4}", "Y{85}{D4}",
                        "X{86}{D4}", "Y{86}{D4}"}),
            Tab("POL", {"r{81}", "r{82}", "r{83}", "r{84}", "r{85}", "r{86}"}),
            Tab("SEQ", {"U{D6}", "V{D6}"}),
            Tab("ON/OFF", {"FnOn ", "FnOff "}),
        }),
        Menu(MenuId::Vars, "VARS", {
            Categories("VARS", {{"Window{CE}", MenuId::VarsWindow},
                                {"Zoom{CE}", MenuId::VarsZoom},
                                {"GDB{CE}", MenuId::VarsGdb},
                                {"Picture{CE}", MenuId::VarsPicture},
                                {"Statistics{CE}", MenuId::VarsStatistics},
                                {"Table{CE}", MenuId::VarsTable}}),
        }),
        Menu(MenuId::VarsWindow, "Window", {
            Tab("X/Y", {"Xmin", "Xmax", "Xscl", "Ymin", "Ymax", "Yscl", "{BE}X", "{BE}Y", "XFact",
                        "YFact"}),
            Tab("T/{C1}", {"Tmin", "Tmax", "Tstep", "{C1}min", "{C1}max", "{C1}step"}),
            Tab("U/V", {"U{D6}Start", "V{D6}Start", "{D6}Start", "{D6}Min", "{D6}Max"}),
        }),
        Menu(MenuId::VarsZoom, "Zoom", {
            Tab("ZX/ZY", {"ZXmin", "ZXmax", "ZXscl", "ZYmin", "ZYmax", "ZYscl"}),
            Tab("ZT/Z{C1}", {"ZTmin", "ZTmax", "ZTstep", "Z{C1}min", "Z{C1}max", "Z{C1}step"}),
            Tab("ZU", {"ZU{D6}Start", "ZV{D6}Start", "Z{D6}Start", "Z{D6}Min", "Z{D6}Max"}),
        }),
        Menu(MenuId::VarsGdb, "GDB", {
            Tab("GDB", {"GDB1", "GDB2", "GDB3", "GDB4", "GDB5", "GDB6"}),
        }),
        Menu(MenuId::VarsPicture, "Pic", {
            Tab("Pic", {"Pic1", "Pic2", "Pic3", "Pic4", "Pic5", "Pic6"}),
        }),
        Menu(MenuId::VarsStatistics, "Statistics", {
            Tab("X/Y", {"n", "{CB}", "Sx", "{C7}x", "{CC}", "Sy", "{C7}y", "minX", "maxX", "minY",
                        "maxY"}),
            Tab("{C6}", {"{C6}x", "{C6}x{F2}", "{C6}y", "{C6}y{F2}", "{C6}xy"}),
            Tab("EQ", {"a", "b", "c", "d", "e", "r"}),
            Tab("BOX", {"Q{81}", "Med", "Q{83}"}),
            Tab("PTS", {"x{81}", "y{81}", "x{82}", "y{82}", "x{83}", "y{83}"}),
        }),
        Menu(MenuId::VarsTable, "Table", {
            Tab("TABLE", {"TblMin", "{BE}Tbl", "TblInput"}),
        }),
    };
}
// clang-format on

} // namespace vexil::tibasic::detail
