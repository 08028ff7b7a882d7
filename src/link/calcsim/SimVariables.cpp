// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/calcsim/SimVariables.h"

#include <cstdio>

namespace vexil::link::calcsim {

namespace {

constexpr uint8_t kTheta = 0x5B;

bool Ti83(SimModel model)
{
    return model == SimModel::TI83;
}

// Real and complex numbers, real and complex lists, and the two kinds of
// program each share one set of names.
uint8_t KindOf(SimModel model, uint8_t typeId)
{
    if (typeId == 0x06) {
        return 0x05;
    }
    if (Ti83(model) && typeId == 0x0C) {
        return 0x00;
    }
    if (Ti83(model) && typeId == 0x0D) {
        return 0x01;
    }
    return typeId;
}

char ExtensionLetter(SimModel model, uint8_t typeId)
{
    static const char k82[16] = {'n', 'l', 'm', 'y', '_', 'p', 'p', 'i',
                                 'd', '_', '_', 'w', 'z', 't', '_', 'b'};
    static const char k83[20] = {'n', 'l', 'm', 'y', 's', 'p', 'p', 'i', 'd', '_',
                                 '_', '_', 'c', 'l', '_', 'w', 'z', 't', '_', 'b'};
    if (Ti83(model)) {
        return typeId < sizeof k83 ? k83[typeId] : '_';
    }
    return typeId < sizeof k82 ? k82[typeId] : '_';
}

// A name byte that is a letter or digit stays; theta is spelled out and any
// other byte written as %XX, so every name gives a plain file name.
std::string FileCharacter(uint8_t byte)
{
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9')) {
        return std::string(1, static_cast<char>(byte));
    }
    if (byte == kTheta) {
        return "theta";
    }
    char text[4];
    std::snprintf(text, sizeof text, "%%%02X", byte);
    return text;
}

std::string Characters(const Name &name, size_t first)
{
    std::string text;
    for (size_t i = first; i < name.size() && name[i] != 0; ++i) {
        text += FileCharacter(name[i]);
    }
    return text;
}

// The digit of a numbered variable: byte 0 is 1, ..., byte 8 is 9, byte 9 is 0.
std::string Numbered(const char *prefix, uint8_t byte)
{
    if (byte > 9) {
        return prefix + FileCharacter(byte);
    }
    return prefix + std::to_string((byte + 1) % 10);
}

std::string EquationName(SimModel model, uint8_t code)
{
    if (code >= 0x10 && code <= 0x19) {
        return "Y" + std::to_string((code - 0x0F) % 10);
    }
    if (code >= 0x20 && code <= 0x2B) {
        return std::string(code % 2 == 0 ? "X" : "Y") + std::to_string((code - 0x20) / 2 + 1) + "T";
    }
    if (code >= 0x40 && code <= 0x45) {
        return "r" + std::to_string(code - 0x3F);
    }
    if (Ti83(model) && code >= 0x80 && code <= 0x82) {
        return std::string(1, static_cast<char>('u' + code - 0x80));
    }
    if (!Ti83(model) && (code == 0x80 || code == 0x81)) {
        return code == 0x80 ? "Un" : "Vn";
    }
    return "Y" + FileCharacter(code);
}

std::string ShownName(SimModel model, const SimVariable &v)
{
    const Name &n = v.name;
    if (IsSettingsType(model, v.typeId)) {
        const uint8_t first = Ti83(model) ? 0x0F : 0x0B;
        static const char *const kSettings[] = {"Window", "RclWindow", "TblSet"};
        return kSettings[v.typeId - first];
    }
    if (v.typeId == BackupType(model)) {
        return "Backup";
    }
    switch (KindOf(model, v.typeId)) {
    case 0x00:
        return FileCharacter(n[0]);
    case 0x01:
        if (n[0] == 0x5D && n[1] <= 9) {
            return Numbered("L", n[1]);
        }
        return "L" + Characters(n, n[0] == 0x5D ? 1 : 0);
    case 0x02:
        return n[1] <= 9 ? std::string("Mat") + static_cast<char>('A' + n[1])
                         : "Mat" + FileCharacter(n[1]);
    case 0x03:
        return EquationName(model, n[1]);
    case 0x04:
        return Numbered("Str", n[1]);
    case 0x05:
        return Characters(n, 0);
    case 0x07:
        return Numbered("Pic", n[1]);
    case 0x08:
        return Numbered("GDB", n[1]);
    default:
        return "var" + Characters(n, 0);
    }
}

} // namespace

uint8_t CalculatorId(SimModel model)
{
    return Ti83(model) ? 0x83 : 0x82;
}

uint8_t BackupType(SimModel model)
{
    return Ti83(model) ? 0x13 : 0x0F;
}

bool IsSettingsType(SimModel model, uint8_t typeId)
{
    return Ti83(model) ? typeId >= 0x0F && typeId <= 0x11 : typeId >= 0x0B && typeId <= 0x0D;
}

bool SameVariable(SimModel model, const SimVariable &a, const SimVariable &b)
{
    if (IsSettingsType(model, a.typeId) || IsSettingsType(model, b.typeId)) {
        return a.typeId == b.typeId;
    }
    return KindOf(model, a.typeId) == KindOf(model, b.typeId) && a.name == b.name;
}

std::string MemoryFileName(SimModel model, const SimVariable &variable)
{
    std::string name = ShownName(model, variable);
    if (name.empty()) {
        name = "unnamed";
    }
    return name + (Ti83(model) ? ".83" : ".82") + ExtensionLetter(model, variable.typeId);
}

std::string LogName(const Name &name)
{
    std::string text;
    for (uint8_t b : name) {
        if (b == 0) {
            break;
        }
        text += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '?';
    }
    return text;
}

} // namespace vexil::link::calcsim
