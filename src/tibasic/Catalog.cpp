// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/Catalog.h"

#include "tibasic/GlyphNotation.h"

#include <initializer_list>

namespace vexil::tibasic {

namespace {

CatalogLetter Letter(const char *button, std::initializer_list<const char *> entries)
{
    CatalogLetter letter{button, {}};
    for (const char *entry : entries) {
        letter.entries.push_back(ExpandGlyphNotation(entry));
    }
    return letter;
}

// clang-format off
std::vector<CatalogLetter> BuildCatalog()
{
    return {
        Letter("A", {"abs(", " and ", "angle(", "ANOVA(", "Ans", "augment(", "AxesOff", "AxesOn",
                     "a+bi"}),
        Letter("B", {"bal(", "binomcdf(", "binompdf(", "Boxplot"}),
        Letter("C", {"{E9}{F2}cdf(", "{E9}{F2}pdf(", "{E9}{F2}-Test(", "Circle(", "Clear Entries",
                     "ClrAllLists", "ClrDraw", "ClrHome", "ClrList ", "ClrTable", "conj(",
                     "Connected", "CoordOff", "CoordOn", "cos(", "cos{F1}(", "cosh(", "cosh{F1}(",
                     "CubicReg ", "cumSum("}),
        Letter("D", {"dbd(", "{E5}Dec", "Degree", "DelVar ", "DependAsk", "DependAuto", "det(",
                     "DiagnosticOff", "DiagnosticOn", "dim(", "Disp ", "DispGraph", "DispTable",
                     "{E5}DMS", "Dot", "DrawF ", "DrawInv ", "DS<("}),
        Letter("E", {"{99}", "{99}^(", "{FB}", "{E5}Eff(", "Else", "End", "Eng", "Equ{E5}String(",
                     "expr(", "ExpReg ", "ExprOff", "ExprOn"}),
        Letter("F", {"{EF}cdf(", "Fill(", "Fix ", "Float", "fMax(", "fMin(", "fnInt(", "FnOff ",
                     "FnOn ", "For(", "fPart(", "{EF}pdf(", "{E5}Frac", "Full", "Func"}),
        Letter("G", {"gcd(", "geometcdf(", "geometpdf(", "Get(", "GetCalc(", "getKey", "Goto ",
                     "GraphStyle(", "GridOff", "GridOn", "G-T"}),
        Letter("H", {"Histogram", "Horiz", "Horizontal "}),
        Letter("I", {"i", "identity(", "If ", "imag(", "IndpntAsk", "IndpntAuto", "Input ",
                     "inString(", "int(", "{C6}Int(", "invNorm(", "iPart(", "irr(", "IS>("}),
        Letter("L", {"{F3}", "LabelOff", "LabelOn", "Lbl ", "lcm(", "length(", "Line(",
                     "LinReg(a+bx) ", "LinReg(ax+b)", "LinRegTTest ", "{BE}List(", "List{E5}matr(",
                     "ln(", "LnReg ", "log(", "Logistic "}),
        Letter("M", {"Matr{E5}list(", "max(", "mean(", "median(", "Med-Med ", "Menu(", "min(",
                     "ModBoxPlot"}),
        Letter("N", {"{D6}", " nCr ", "nDeriv(", "{E5}Nom(", "Normal", "normalcdf(", "normalpdf(",
                     "NormProbPlot", "not(", " nPr ", "npv("}),
        Letter("O", {" or ", "Output("}),
        Letter("P", {"Param", "Pause ", "Plot1(", "Plot2(", "Plot3(", "PlotsOff ", "PlotsOn ",
                     "Pmt_Bgn", "Pmt_End", "poissoncdf(", "poissonpdf(", "Polar", "{E5}Polar",
                     "PolarGC", "prgm", "{C6}Prn(", "prod(", "Prompt ", "1-PropZInt(",
                     "2-PropZInt(", "1-PropZTest(", "2-PropZTest(", "Pt-Change(", "Pt-Off(",
                     "Pt-On(", "PwrReg ", "Pxl-Change(", "Pxl-Off(", "Pxl-On(", "pxl-Test(",
                     "P{E5}Rx(", "P{E5}Ry("}),
        Letter("Q", {"QuadReg", "QuartReg "}),
        Letter("R", {"Radian", "rand", "randBin(", "randInt(", "randM(", "randNorm(",
                     "r{99}^{C1}i", "Real", "real(", "RecallGDB ", "RecallPic ", "{E5}Rect",
                     "RectGC", "ref(", "Repeat ", "Return", "round(", "*row(", "row+(", "*row+(",
                     "rowSwap(", "rref(", "R{E5}Pr(", "R{E5}P{C1}("}),
        Letter("S", {"2-Samp{EF}Test ", "2-SampTInt ", "2-SampTTest ", "2-SampZInt(",
                     "2-SampZTest(", "Scatter", "Sci", "Select(", "Send(", "seq(", "Seq",
                     "Sequential", "SetUpEditor ", "Shade(", "Shade{E9}{F2}(", "Shade{EF}(",
                     "ShadeNorm(", "Shade_t(", "Simul", "sin(", "sin{F1}(", "sinh(", "sinh{F1}(",
                     "SinReg ", "solve(", "SortA(", "SortD(", "stdDev(", "Stop", "StoreGDB ",
                     "StorePic ", "String{E5}Equ(", "sub(", "sum("}),
        Letter("T", {"tan(", "tan{F1}(", "Tangent(", "tanh(", "tanh{F1}(", "tcdf(", "Text(",
                     "Then", "Time", "TInterval ", "tpdf(", "Trace", "T-Test ", "tvm_FV",
                     "tvm_I%", "tvm_{B4}", "tvm_Pmt", "tvm_PV"}),
        Letter("U", {"uvAxes", "uwAxes"}),
        Letter("V", {"1-Var Stats ", "2-Var Stats ", "variance(", "Vertical ", "vwAxes"}),
        Letter("W", {"Web", "While "}),
        Letter("X", {" xor ", "xyLine"}),
        Letter("Z", {"ZBox", "ZDecimal", "ZInteger", "Z-Interval ", "Zoom In", "Zoom Out",
                     "ZoomFit", "ZoomRcl", "ZoomStat", "ZoomSto", "ZPrevious", "ZSquare",
                     "ZStandard", "Z-Test(", "ZTrig"}),
        Letter("Other", {"!", "{F4}", "{F5}", "{F6}", "{CD}{F0}", "{D5}", "{D3}{F0}(", "=", "{F8}",
                         "<", ">", "{F7}", "{F9}", "{D0}", "{D1}", "{D2}", "{F1}", "{F2}", "^",
                         "{FA}", "{FD}^(", "{F0}(", "*", "/", "+", "-", "{", "[", "(", "}", "]",
                         ")", ".", "'", "\"", ":", "{C4}", "?"}),
    };
}
// clang-format on

} // namespace

const std::vector<CatalogLetter> &TI83Catalog()
{
    static const std::vector<CatalogLetter> catalog = BuildCatalog();
    return catalog;
}

} // namespace vexil::tibasic
