// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/VarNames.h"

#include "varfile/VarTypes.h"

#include <cstdio>

namespace vexil::varfile {

namespace {

VarName TwoByteName(std::uint8_t first, std::uint8_t second)
{
    VarName name{};
    name[0] = first;
    name[1] = second;
    return name;
}

bool IsNameLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || c == '@';
}

std::uint8_t TypedToByte(char c)
{
    return c == '@' ? kThetaByte : static_cast<std::uint8_t>(c);
}

// The calculator numbers these variables 1..9, 0 while storing 0..9.
std::optional<VarName> DigitName(std::uint8_t prefix, int digit)
{
    if (digit < 0 || digit > 9) {
        return std::nullopt;
    }
    return TwoByteName(prefix, static_cast<std::uint8_t>((digit + 9) % 10));
}

char ShownDigit(std::uint8_t stored)
{
    return static_cast<char>('0' + (stored + 1) % 10);
}

void AppendShownByte(std::string &out, std::uint8_t byte)
{
    if (byte == kThetaByte) {
        out += '@';
    } else if (byte >= 0x20 && byte < 0x7F) {
        out += static_cast<char>(byte);
    } else {
        char hex[5];
        std::snprintf(hex, sizeof hex, "{%02X}", byte);
        out += hex;
    }
}

std::string ShownChars(const VarName &name, std::size_t from)
{
    std::string out;
    for (std::size_t i = from; i < name.size(); ++i) {
        if (name[i] != 0) {
            AppendShownByte(out, name[i]);
        }
    }
    return out;
}

std::string EquationName(CalcModel model, std::uint8_t code)
{
    if (code >= 0x10 && code <= 0x19) {
        return std::string("Y") + ShownDigit(code - 0x10);
    }
    if (code >= 0x20 && code <= 0x2B) {
        const int pair = (code - 0x20) / 2 + 1;
        return std::string((code & 1) ? "Y" : "X") + static_cast<char>('0' + pair) + "T";
    }
    if (code >= 0x40 && code <= 0x45) {
        return std::string("r") + static_cast<char>('1' + code - 0x40);
    }
    if (model == CalcModel::TI82 && (code == 0x80 || code == 0x81)) {
        return code == 0x80 ? "Un" : "Vn";
    }
    if (model == CalcModel::TI83 && code >= 0x80 && code <= 0x82) {
        return std::string(1, static_cast<char>('u' + code - 0x80));
    }
    std::string out;
    AppendShownByte(out, code);
    return out;
}

} // namespace

std::optional<VarName> LetterVarName(char letter)
{
    if (!IsNameLetter(letter)) {
        return std::nullopt;
    }
    VarName name{};
    name[0] = TypedToByte(letter);
    return name;
}

std::optional<VarName> ListVarName(int number)
{
    if (number < 1 || number > 6) {
        return std::nullopt;
    }
    return TwoByteName(kListPrefix, static_cast<std::uint8_t>(number - 1));
}

std::optional<VarName> UserListVarName(std::string_view typed)
{
    if (typed.empty() || typed.size() > 5 || !IsNameLetter(typed[0])) {
        return std::nullopt;
    }
    VarName name{};
    name[0] = kListPrefix;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char c = typed[i];
        if (!IsNameLetter(c) && !(c >= '0' && c <= '9')) {
            return std::nullopt;
        }
        name[i + 1] = TypedToByte(c);
    }
    return name;
}

std::optional<VarName> MatrixVarName(char letter)
{
    if (letter < 'A' || letter > 'J') {
        return std::nullopt;
    }
    return TwoByteName(kMatrixPrefix, static_cast<std::uint8_t>(letter - 'A'));
}

VarName EquationVarName(std::uint8_t code)
{
    return TwoByteName(kEquationPrefix, code);
}

std::optional<VarName> StringVarName(int digit)
{
    return DigitName(kStringPrefix, digit);
}

std::optional<VarName> GdbVarName(int digit)
{
    return DigitName(kGdbPrefix, digit);
}

std::optional<VarName> PictureVarName(int digit)
{
    return DigitName(kPicturePrefix, digit);
}

VarName SettingsVarName(CalcModel model)
{
    return model == CalcModel::TI82 ? TwoByteName(0x5E, 0x81) : TwoByteName(0xFE, 0x82);
}

VarName ProgramVarName(std::string_view typed)
{
    VarName name{};
    for (std::size_t i = 0; i < typed.size() && i < name.size(); ++i) {
        name[i] = TypedToByte(typed[i]);
    }
    return name;
}

std::string DisplayVarName(CalcModel model, std::uint8_t typeId, const VarName &name)
{
    const std::optional<VarKind> kind = KindOfTypeId(model, typeId);
    if (!kind) {
        return "Unknown";
    }
    switch (*kind) {
    case VarKind::Real:
    case VarKind::Complex: {
        std::string out;
        AppendShownByte(out, name[0]);
        return out;
    }
    case VarKind::List:
    case VarKind::ComplexList:
        // A user list stores its characters; L1..L6 store 00..05.
        if (name[1] <= 0x05) {
            return std::string("L") + static_cast<char>('1' + name[1]);
        }
        return ShownChars(name, 1);
    case VarKind::Matrix:
        if (name[1] <= 0x09) {
            return std::string("[") + static_cast<char>('A' + name[1]) + "]";
        }
        return ShownChars(name, 0);
    case VarKind::Equation:
        return EquationName(model, name[1]);
    case VarKind::String:
        return name[1] <= 0x09 ? std::string("Str") + ShownDigit(name[1]) : ShownChars(name, 0);
    case VarKind::Picture:
        return name[1] <= 0x09 ? std::string("Pic") + ShownDigit(name[1]) : ShownChars(name, 0);
    case VarKind::GraphDatabase:
        return name[1] <= 0x09 ? std::string("GDB") + ShownDigit(name[1]) : ShownChars(name, 0);
    case VarKind::Program:
    case VarKind::ProtectedProgram:
        return ShownChars(name, 0);
    case VarKind::WindowSettings:
        return "Window";
    case VarKind::SavedZoom:
        return "RclWindow";
    case VarKind::TableSetup:
        return "TblSet";
    case VarKind::ScreenImage:
    case VarKind::Backup:
        break;
    }
    return "Unknown";
}

} // namespace vexil::varfile
