// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-83's token menus, as its keys open them.
#include "tibasic/TokenMenuData.h"

namespace vexil::tibasic::detail {

// clang-format off
std::vector<TokenMenu> BuildTI83Menus()
{
    return {
        Menu(MenuId::StatPlot, "STAT PLOT", {
            Tab("PLOTS", {"Plot1(", "Plot2(", "Plot3(", "PlotsOff ", "PlotsOn "}),
            Tab("TYPE", {"Scatter", "xyLine", "Histogram", "ModBoxPlot", "Boxplot",
                         "NormProbPlot"}),
            Tab("MARK", {"{D0}", "{D1}", "{D2}"}),
        }),
        Menu(MenuId::TblSet, "TblSet", {
            Tab("TABLE SETUP", {"IndpntAuto", "IndpntAsk", "DependAuto", "DependAsk"}),
        }),
        Menu(MenuId::Format, "FORMAT", {
            Tab("FORMAT", {"RectGC", "PolarGC", "CoordOn", "CoordOff", "GridOn", "GridOff",
                           "AxesOn", "AxesOff", "LabelOn", "LabelOff", "ExprOn", "ExprOff",
                           "Time", "Web"}),
        }),
        Menu(MenuId::Zoom, "ZOOM", {
            Tab("ZOOM", {"ZBox", "Zoom In", "Zoom Out", "ZDecimal", "ZSquare", "ZStandard",
                         "ZTrig", "ZInteger", "ZoomStat", "ZoomFit"}),
            Tab("MEMORY", {"ZPrevious", "ZoomSto", "ZoomRcl"}),
        }),
        Menu(MenuId::Mode, "MODE", {
            Tab("NUM", {"Normal", "Sci", "Eng", "Float", "Fix ", "Real", "a+bi", "r{99}^{C1}i"}),
            Tab("MODE", {"Func", "Param", "Polar", "Seq", "Connected", "Dot", "Sequential",
                         "Simul", "Full", "Horiz", "G-T"}),
        }),
        Menu(MenuId::Stat, "STAT", {
            Tab("EDIT", {"SortA(", "SortD(", "ClrList ", "SetUpEditor "}),
            Tab("CALC", {"1-Var Stats ", "2-Var Stats ", "Med-Med ", "LinReg(ax+b)", "QuadReg",
                         "CubicReg ", "QuartReg ", "LinReg(a+bx) ", "LnReg ", "ExpReg ",
                         "PwrReg ", "Logistic ", "SinReg "}),
            Tab("TESTS", {"Z-Test(", "T-Test ", "2-SampZTest(", "2-SampTTest ", "1-PropZTest(",
                          "2-PropZTest(", "Z-Interval ", "TInterval ", "2-SampZInt(",
                          "2-SampTInt ", "1-PropZInt(", "2-PropZInt(", "{E9}{F2}-Test(",
                          "2-Samp{EF}Test ", "LinRegTTest ", "ANOVA("}),
        }),
        Menu(MenuId::List, "LIST", {
            Tab("OPS", {"SortA(", "SortD(", "dim(", "Fill(", "seq(", "cumSum(", "{BE}List(",
                        "Select(", "augment(", "List{E5}matr(", "Matr{E5}list(", "{F3}"}),
            Tab("MATH", {"min(", "max(", "mean(", "median(", "sum(", "prod(", "stdDev(",
                         "variance("}),
        }),
        Menu(MenuId::Math, "MATH", {
            Tab("MATH", {"{E5}Frac", "{E5}Dec", "{D5}", "{D3}{F0}(", "{CD}{F0}", "fMin(", "fMax(",
                         "nDeriv(", "fnInt(", "solve("}),
            Tab("NUM", {"abs(", "round(", "iPart(", "fPart(", "int(", "min(", "max(", "lcm(",
                        "gcd("}),
            Tab("CPX", {"conj(", "real(", "imag(", "angle(", "abs(", "{E5}Rect", "{E5}Polar"}),
            Tab("PRB", {"rand", " nPr ", " nCr ", "!", "randInt(", "randNorm(", "randBin("}),
        }),
        Menu(MenuId::Test, "TEST", {
            Tab("TEST", {"=", "{F8}", ">", "{F9}", "<", "{F7}"}),
            Tab("LOGIC", {" and ", " or ", " xor ", "not("}),
        }),
        Menu(MenuId::Matrx, "MATRX", {
            Tab("NAMES", {"[A]", "[B]", "[C]", "[D]", "[E]", "[F]", "[G]", "[H]", "[I]", "[J]"}),
            Tab("MATH", {"det(", "{F6}", "dim(", "Fill(", "identity(", "randM(", "augment(",
                         "Matr{E5}list(", "List{E5}matr(", "cumSum(", "ref(", "rref(",
                         "rowSwap(", "row+(", "*row(", "*row+("}),
        }),
        Menu(MenuId::Angle, "ANGLE", {
            Tab("ANGLE", {"{F4}", "'", "{F5}", "{E5}DMS", "R{E5}Pr(", "R{E5}P{C1}(", "P{E5}Rx(",
                          "P{E5}Ry("}),
        }),
        Menu(MenuId::Prgm, "PRGM", {
            Tab("CTL", {"If ", "Then", "Else", "For(", "While ", "Repeat ", "End", "Pause ",
                        "Lbl ", "Goto ", "IS>(", "DS<(", "Menu(", "prgm", "Return", "Stop",
                        "DelVar ", "GraphStyle("}),
            Tab("I/O", {"Input ", "Prompt ", "Disp ", "DispGraph", "DispTable", "Output(",
                        "getKey", "ClrHome", "ClrTable", "GetCalc(", "Get(", "Send("}),
        }),
        Menu(MenuId::Draw, "DRAW", {
            Tab("DRAW", {"ClrDraw", "Line(", "Horizontal ", "Vertical ", "Tangent(", "DrawF ",
                         "Shade(", "DrawInv ", "Circle(", "Text("}),
            Tab("POINTS", {"Pt-On(", "Pt-Off(", "Pt-Change(", "Pxl-On(", "Pxl-Off(",
                           "Pxl-Change(", "pxl-Test("}),
            Tab("STO", {"StorePic ", "RecallPic ", "StoreGDB ", "RecallGDB "}),
        }),
        Menu(MenuId::Mem, "MEM", {
            Tab("MEMORY", {"Clear Entries", "ClrAllLists"}),
        }),
        Menu(MenuId::Distr, "DISTR", {
            Tab("DISTR", {"normalpdf(", "normalcdf(", "invNorm(", "tpdf(", "tcdf(",
                          "{E9}{F2}pdf(", "{E9}{F2}cdf(", "{EF}pdf(", "{EF}cdf(", "binompdf(",
                          "binomcdf(", "poissonpdf(", "poissoncdf(", "geometpdf(",
                          "geometcdf("}),
            Tab("DRAW", {"ShadeNorm(", "Shade_t(", "Shade{E9}{F2}(", "Shade{EF}("}),
        }),
        Menu(MenuId::Finance, "FINANCE", {
            Tab("CALC", {"tvm_Pmt", "tvm_I%", "tvm_PV", "tvm_{B4}", "tvm_FV", "npv(", "irr(",
                         "bal(", "{C6}Prn(", "{C6}Int(", "{E5}Nom(", "{E5}Eff(", "dbd(",
                         "Pmt_End", "Pmt_Bgn"}),
            Tab("VARS", {"{B4}", "I%", "PV", "PMT", "FV", "P\\Y", "C\\Y"}),
        }),
        Menu(MenuId::Vars, "VARS", {
            Categories("VARS", {{"Window{CE}", MenuId::VarsWindow},
                                {"Zoom{CE}", MenuId::VarsZoom},
                                {"GDB{CE}", MenuId::VarsGdb},
                                {"Picture{CE}", MenuId::VarsPicture},
                                {"Statistics{CE}", MenuId::VarsStatistics},
                                {"Table{CE}", MenuId::VarsTable},
                                {"String{CE}", MenuId::VarsString}}),
            Categories("Y-VARS", {{"Function{CE}", MenuId::VarsFunction},
                                  {"Parametric{CE}", MenuId::VarsParametric},
                                  {"Polar{CE}", MenuId::VarsPolar},
                                  {"On/Off{CE}", MenuId::VarsOnOff}}),
        }),
        Menu(MenuId::VarsWindow, "Window", {
            Tab("X/Y", {"Xmin", "Xmax", "XScl", "Ymin", "Ymax", "YScl", "Xres", "{BE}X", "{BE}Y",
                        "XFact", "YFact"}),
            Tab("T/{C1}", {"Tmin", "Tmax", "Tstep", "{C1}min", "{C1}max", "{C1}step"}),
            Tab("U/V/W", {"u({D6}Min)", "v({D6}Min)", "w({D6}Min)", "{D6}Min", "{D6}Max",
                          "PlotStart", "PlotStep"}),
        }),
        Menu(MenuId::VarsZoom, "Zoom", {
            Tab("ZX/ZY", {"ZXmin", "ZXmax", "ZXScl", "ZYmin", "ZYmax", "ZYScl", "ZXres"}),
            Tab("ZT/Z{C1}", {"ZTmin", "ZTmax", "ZTstep", "Z{C1}min", "Z{C1}max", "Z{C1}step"}),
            Tab("ZU", {"Zu({D6}Min)", "Zv({D6}Min)", "Zw({D6}Min)", "Z{D6}Min", "Z{D6}Max",
                       "ZPlotStart", "ZPlotStep"}),
        }),
        Menu(MenuId::VarsGdb, "GDB", {
            Tab("GDB", {"GDB1", "GDB2", "GDB3", "GDB4", "GDB5", "GDB6", "GDB7", "GDB8", "GDB9",
                        "GDB0"}),
        }),
        Menu(MenuId::VarsPicture, "Pic", {
            Tab("Pic", {"Pic1", "Pic2", "Pic3", "Pic4", "Pic5", "Pic6", "Pic7", "Pic8", "Pic9",
                        "Pic0"}),
        }),
        Menu(MenuId::VarsStatistics, "Statistics", {
            Tab("XY", {"n", "{CB}", "Sx", "{C7}x", "{CC}", "Sy", "{C7}y", "minX", "maxX", "minY",
                       "maxY"}),
            Tab("{C6}", {"{C6}x", "{C6}x{F2}", "{C6}y", "{C6}y{F2}", "{C6}xy"}),
            Tab("EQ", {"a", "b", "c", "d", "e", "r", "r{F2}", "R{F2}"}),
            Tab("TEST", {"p", "z", "t", "{E9}{F2}", "{EF}", "df", "{C5}", "{C5}{81}", "{C5}{82}",
                         "s", "{CB}{81}", "{CB}{82}", "Sx{81}", "Sx{82}", "Sxp", "n{81}", "n{82}",
                         "lower", "upper"}),
            Tab("PTS", {"x{81}", "y{81}", "x{82}", "y{82}", "x{83}", "y{83}", "Q{81}", "Med",
                        "Q{83}"}),
        }),
        Menu(MenuId::VarsTable, "Table", {
            Tab("TABLE", {"TblMin", "TblStep", "TblInput"}),
        }),
        Menu(MenuId::VarsString, "String", {
            Tab("STRING", {"Str1", "Str2", "Str3", "Str4", "Str5", "Str6", "Str7", "Str8", "Str9",
                           "Str0"}),
        }),
        Menu(MenuId::VarsFunction, "Function", {
            Tab("FUNCTION", {"Y{81}", "Y{82}", "Y{83}", "Y{84}", "Y{85}", "Y{86}", "Y{87}",
                             "Y{88}", "Y{89}", "Y{80}"}),
        }),
        Menu(MenuId::VarsParametric, "Parametric", {
            Tab("PARAMTERIC", {"X{81}{D4}", "Y{81}{D4}", "X{82}{D4}", "Y{82}{D4}", "X{83}{D4}",
                               "Y{83}{D4}", "X{84}{D4}", "Y{84}{D4}", "X{85}{D4}", "Y{85}{D4}",
                               "X{86}{D4}", "Y{86}{D4}"}),
        }),
        Menu(MenuId::VarsPolar, "Polar", {
            Tab("POLAR", {"r{81}", "r{82}", "r{83}", "r{84}", "r{85}", "r{86}"}),
        }),
        Menu(MenuId::VarsOnOff, "On/Off", {
            Tab("ON/OFF", {"FnOn ", "FnOff "}),
        }),
    };
}
// clang-format on

} // namespace vexil::tibasic::detail
