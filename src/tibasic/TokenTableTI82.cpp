// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-82 token list. Spaces inside the quotes belong to the token: "Disp " is a
// token, "Disp" is not.
#include "tibasic/TokenTables.h"

namespace vexil::tibasic::tables {

namespace {

constexpr RawToken kTwoByte[] = {
    {0x5C00, "[A]"},         {0x5C01, "[B]"},         {0x5C02, "[C]"},
    {0x5C03, "[D]"},         {0x5C04, "[E]"},         {0x5D00, "L{81}"},
    {0x5D01, "L{82}"},       {0x5D02, "L{83}"},       {0x5D03, "L{84}"},
    {0x5D04, "L{85}"},       {0x5D05, "L{86}"},       {0x5E10, "Y{81}"},
    {0x5E11, "Y{82}"},       {0x5E12, "Y{83}"},       {0x5E13, "Y{84}"},
    {0x5E14, "Y{85}"},       {0x5E15, "Y{86}"},       {0x5E16, "Y{87}"},
    {0x5E17, "Y{88}"},       {0x5E18, "Y{89}"},       {0x5E19, "Y{80}"},
    {0x5E20, "X{81}{D4}"},   {0x5E21, "Y{81}{D4}"},   {0x5E22, "X{82}{D4}"},
    {0x5E23, "Y{82}{D4}"},   {0x5E24, "X{83}{D4}"},   {0x5E25, "Y{83}{D4}"},
    {0x5E26, "X{84}{D4}"},   {0x5E27, "Y{84}{D4}"},   {0x5E28, "X{85}{D4}"},
    {0x5E29, "Y{85}{D4}"},   {0x5E2A, "X{86}{D4}"},   {0x5E2B, "Y{86}{D4}"},
    {0x5E40, "r{81}"},       {0x5E41, "r{82}"},       {0x5E42, "r{83}"},
    {0x5E43, "r{84}"},       {0x5E44, "r{85}"},       {0x5E45, "r{86}"},
    {0x5E80, "U{D6}"},       {0x5E81, "V{D6}"},       {0x6000, "Pic1"},
    {0x6001, "Pic2"},        {0x6002, "Pic3"},        {0x6003, "Pic4"},
    {0x6004, "Pic5"},        {0x6005, "Pic6"},        {0x6100, "GDB1"},
    {0x6101, "GDB2"},        {0x6102, "GDB3"},        {0x6103, "GDB4"},
    {0x6104, "GDB5"},        {0x6105, "GDB6"},        {0x6202, "n"},
    {0x6203, "{CB}"},        {0x6204, "{C6}x"},       {0x6205, "{C6}x{F2}"},
    {0x6206, "Sx"},          {0x6207, "{C7}x"},       {0x6208, "minX"},
    {0x6209, "maxX"},        {0x620A, "minY"},        {0x620B, "maxY"},
    {0x620C, "{CC}"},        {0x620D, "{C6}y"},       {0x620E, "{C6}y{F2}"},
    {0x620F, "Sy"},          {0x6210, "{C7}y"},       {0x6211, "{C6}xy"},
    {0x6212, "r"},           {0x6213, "Med"},         {0x6214, "Q{81}"},
    {0x6215, "Q{83}"},       {0x6216, "a"},           {0x6217, "b"},
    {0x6218, "c"},           {0x6219, "d"},           {0x621A, "e"},
    {0x621B, "x{81}"},       {0x621C, "x{82}"},       {0x621D, "x{83}"},
    {0x621E, "y{81}"},       {0x621F, "y{82}"},       {0x6220, "y{83}"},
    {0x6221, "{D6}"},        {0x6300, "ZXscl"},       {0x6301, "ZYscl"},
    {0x6302, "Xscl"},        {0x6303, "Yscl"},        {0x6304, "U{D6}Start"},
    {0x6305, "V{D6}Start"},  {0x6306, "U{D6}-{81}"},  {0x6307, "V{D6}-{81}"},
    {0x6308, "ZU{D6}Start"}, {0x6309, "ZV{D6}Start"}, {0x630A, "Xmin"},
    {0x630B, "Xmax"},        {0x630C, "Ymin"},        {0x630D, "Ymax"},
    {0x630E, "Tmin"},        {0x630F, "Tmax"},        {0x6310, "{C1}min"},
    {0x6311, "{C1}max"},     {0x6312, "ZXmin"},       {0x6313, "ZXmax"},
    {0x6314, "ZYmin"},       {0x6315, "ZYmax"},       {0x6316, "Z{C1}min"},
    {0x6317, "Z{C1}max"},    {0x6318, "ZTmin"},       {0x6319, "ZTmax"},
    {0x631A, "TblMin"},      {0x631B, "{D6}Min"},     {0x631C, "Z{D6}Min"},
    {0x631D, "{D6}Max"},     {0x631E, "Z{D6}Max"},    {0x631F, "{D6}Start"},
    {0x6320, "Z{D6}Start"},  {0x6321, "{BE}Tbl"},     {0x6322, "Tstep"},
    {0x6323, "{C1}step"},    {0x6324, "ZTstep"},      {0x6325, "Z{C1}step"},
    {0x6326, "{BE}X"},       {0x6327, "{BE}Y"},       {0x6328, "XFact"},
    {0x6329, "YFact"},       {0x632A, "TblInput"},    {0x7E00, "Sequential"},
    {0x7E01, "Simul"},       {0x7E02, "PolarGC"},     {0x7E03, "RectGC"},
    {0x7E04, "CoordOn"},     {0x7E05, "CoordOff"},    {0x7E06, "Connected"},
    {0x7E07, "Dot"},         {0x7E08, "AxesOn"},      {0x7E09, "AxesOff"},
    {0x7E0A, "GridOn"},      {0x7E0B, "GridOff"},     {0x7E0C, "LabelOn"},
    {0x7E0D, "LabelOff"},    {0x7E0E, "Web"},         {0x7E0F, "Time"},
};

} // namespace

// clang-format off
const std::array<const char *, 256> kTI82OneByte = {
    // 00-0F
    "~", "{E5}DMS", "{E5}Dec", "{E5}Frac", "{FC}", "Boxplot", "[", "]", "{", "}", "{F5}", "{F4}", "{F1}", "{F2}", "{F6}", "{D5}",
    // 10-1F
    "(", ")", "round(", "pxl-Test(", "augment(", "rowSwap(", "row+(", "*row(", "*row+(", "max(", "min(", "R{E5}Pr(", "R{E5}P{C1}(", "P{E5}Rx(", "P{E5}Ry(", "median(",
    // 20-2F
    "randM(", "mean(", "solve(", "seq(", "fnInt(", "nDeriv(", "~", "fMin(", "fMax(", " ", "\"", ",", "~", "!", "CubicReg ", "QuartReg ",
    // 30-3F
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "{FB}", " or ", " xor ", ":", "\r\n",
    // 40-4F
    " and ", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O",
    // 50-5F
    "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "{C1}", nullptr, nullptr, nullptr, "prgm",
    // 60-6F
    nullptr, nullptr, nullptr, nullptr, "Radian", "Degree", "Normal", "Sci", "Eng", "Float", "=", "<", ">", "{F7}", "{F9}", "{F8}",
    // 70-7F
    "+", "-", "Ans", "Fix", "Split", "FullScreen", "Func", "Param", "Polar", "Seq", "IndpntAuto", "IndpntAsk", "DependAuto", "DependAsk", nullptr, "{D0}",
    // 80-8F
    "{D1}", "{D2}", "*", "/", "Trace", "ClrDraw", "ZStandard", "ZTrig", "ZBox", "Zoom In", "Zoom Out", "ZSquare", "ZInteger", "ZPrevious", "ZDecimal", "ZoomStat",
    // 90-9F
    "ZoomRcl", "PrintScreen", "ZoomSto", "Text(", " nPr ", " nCr ", "FnOn ", "FnOff ", "StorePic ", "RecallPic ", "StoreGDB ", "RecallGDB ", "Line(", "Vertical ", "Pt-On(", "Pt-Off(",
    // A0-AF
    "Pt-Change(", "Pxl-On(", "Pxl-Off(", "Pxl-Change(", "Shade(", "Circle(", "Horizontal ", "Tangent(", "DrawInv ", "DrawF", "~", "rand", "{C4}", "getKey", "'", "?",
    // B0-BF
    "{FA}", "int ", "abs ", "det ", "identity ", "dim ", "sum ", "prod ", "not ", "iPart ", "fPart ", "~", "{F0}", "{D3}", "ln ", "e^",
    // C0-CF
    "log ", "{FD}^", "sin ", "sin{F1} ", "cos ", "cos{F1} ", "tan ", "tan{F1} ", "sinh ", "sinh{F1} ", "cosh ", "cosh{F1} ", "tanh ", "tanh{F1} ", "If ", "Then",
    // D0-DF
    "Else", "While ", "Repeat ", "For(", "End", "Return", "Lbl ", "Goto ", "Pause ", "Stop", "IS>(", "DS<(", "Input ", "Prompt ", "Disp ", "DispGraph",
    // E0-EF
    "Output(", "ClrHome", "Fill(", "SortA(", "SortD(", "DispTable", "Menu(", "Send(", "Get(", "PlotsOn ", "PlotsOff ", "~", "Plot1(", "Plot2(", "Plot3(", "~",
    // F0-FF
    "^", "{CD}{F0}", "1-Var Stats ", "2-Var Stats ", "LinReg(a+bx) ", "ExpReg ", "LnReg ", "PwrReg ", "Med-Med ", "QuadReg ", "ClrList ", "ClrTable ", "Histogram", "xyLine", "Scatter", "LinReg(ax+b) ",
};
// clang-format on

const std::span<const RawToken> kTI82TwoByte = kTwoByte;

} // namespace vexil::tibasic::tables
