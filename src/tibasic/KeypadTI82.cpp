// SPDX-License-Identifier: GPL-3.0-or-later
// The TI-82's keyboard: faces, the captions above the keys, and what each key does
// as it is, after 2nd, and after ALPHA (or with A-LOCK on).
#include "tibasic/KeypadData.h"

namespace vexil::tibasic::detail {

// clang-format off
std::vector<KeypadKey> BuildTI82Keys()
{
    return {
        Key(11, "Y=", "STAT PLOT", "", kNothing, Open(MenuId::StatPlot), kNothing),
        Key(12, "WINDOW", "TblSet", "", Open(MenuId::Window), Open(MenuId::TblSet), Open(MenuId::Window)),
        Key(13, "ZOOM", "", Open(MenuId::Zoom)),
        Key(14, "TRACE", "CALC", Insert("Trace")),
        Key(15, "GRAPH", "TABLE"),

        Key(21, "2nd"),
        Key(22, "MODE", "QUIT", "", Open(MenuId::Mode), kNothing, Open(MenuId::Mode)),
        Key(23, "DEL", "INS"),
        Key(24, "\u25C0"),
        Key(25, "\u25B2"),
        Key(26, "\u25B6"),
        Key(27, "\u25BC"),

        Key(31, "ALPHA", "A-LOCK"),
        Key(32, "X,T,{C1}", "LINK", "", Insert("X"), kLink, Insert("X")),
        Key(33, "STAT", "LIST", "", Open(MenuId::Stat), Open(MenuId::List), Open(MenuId::Stat)),

        Key(41, "MATH", "TEST", "A", Open(MenuId::Math), Open(MenuId::Test), Insert("A")),
        Key(42, "MATRX", "ANGLE", "B", Open(MenuId::Matrx), Open(MenuId::Angle), Insert("B")),
        Key(43, "PRGM", "DRAW", "C", Open(MenuId::Prgm), Open(MenuId::Draw), Insert("C")),
        Key(44, "VARS", "Y-VARS", "", Open(MenuId::Vars), Open(MenuId::YVars), Open(MenuId::Vars)),
        Key(45, "CLEAR"),

        Key(51, "x{F1}", "ABS", "D", Insert("{F1}"), Insert("abs "), Insert("D")),
        Key(52, "SIN", "SIN{F1}", "E", Insert("sin "), Insert("sin{F1} "), Insert("E")),
        Key(53, "COS", "COS{F1}", "F", Insert("cos "), Insert("cos{F1} "), Insert("F")),
        Key(54, "TAN", "TAN{F1}", "G", Insert("tan "), Insert("tan{F1} "), Insert("G")),
        Key(55, "^", "{C4}", "H", Insert("^"), Insert("{C4}"), Insert("H")),

        Key(61, "x{F2}", "{F0}", "I", Insert("{F2}"), Insert("{F0}"), Insert("I")),
        Key(62, ",", "EE", "J", Insert(","), Insert("{FB}"), Insert("J")),
        Key(63, "(", "{", "K", Insert("("), Insert("{"), Insert("K")),
        Key(64, ")", "}", "L", Insert(")"), Insert("}"), Insert("L")),
        Key(65, "\u00F7", "", "M", Insert("/"), Insert("/"), Insert("M")),

        Key(71, "LOG", "10{CD}", "N", Insert("log "), Insert("{FD}^"), Insert("N")),
        Key(72, "7", "U{D6}-{81}", "O", Insert("7"), Insert("U{D6}-{81}"), Insert("O")),
        Key(73, "8", "V{D6}-{81}", "P", Insert("8"), Insert("V{D6}-{81}"), Insert("P")),
        Key(74, "9", "{D6}", "Q", Insert("9"), Insert("{D6}"), Insert("Q")),
        Key(75, "\u00D7", "[", "R", Insert("*"), Insert("["), Insert("R")),

        Key(81, "LN", "e{CD}", "S", Insert("ln "), Insert("e^"), Insert("S")),
        Key(82, "4", "L{84}", "T", Insert("4"), Insert("L{84}"), Insert("T")),
        Key(83, "5", "L{85}", "U", Insert("5"), Insert("L{85}"), Insert("U")),
        Key(84, "6", "L{86}", "V", Insert("6"), Insert("L{86}"), Insert("V")),
        Key(85, "\u2212", "]", "W", Insert("-"), Insert("]"), Insert("W")),

        Key(91, "STO{FC}", "RCL", "X", Insert("{FC}"), kNothing, Insert("X")),
        Key(92, "1", "L{81}", "Y", Insert("1"), Insert("L{81}"), Insert("Y")),
        Key(93, "2", "L{82}", "Z", Insert("2"), Insert("L{82}"), Insert("Z")),
        Key(94, "3", "L{83}", "{C1}", Insert("3"), Insert("L{83}"), Insert("{C1}")),
        Key(95, "+", "MEM", "\"", Insert("+"), kNothing, Insert("\"")),

        Key(101, "ON", "OFF", "", kNothing, kOff, kNothing),
        Key(102, "0", "", "\u2423", Insert("0"), Insert("0"), Insert(" ")),
        Key(103, ".", ":", "", Insert("."), Insert(":"), Insert(".")),
        Key(104, "({FA})", "ANS", "?", Insert("{FA}"), Insert("Ans"), Insert("?")),
        Key(105, "ENTER", "ENTRY", "", Insert("\r\n"), kNothing, Insert("\r\n")),
    };
}
// clang-format on

} // namespace vexil::tibasic::detail
