// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ReceiveName.h"

#include "link/Packet.h"
#include "varfile/SafeFileName.h"

namespace vexil::link {

namespace {

constexpr uint8_t kTheta = 0x5B;

std::string NameCharacter(uint8_t byte)
{
    if (byte == kTheta) {
        return "THET";
    }
    const char c = static_cast<char>(byte);
    return std::string(1, varfile::IsSafeNameCharacter(c) ? c : '_');
}

// Every non-zero name byte from `first` to the end of the 8-byte name field; a
// name of none at all is "_", so the file is not hidden behind its extension.
std::string NameCharacters(std::span<const uint8_t> header, size_t first)
{
    std::string text;
    for (size_t i = first; i <= 14; ++i) {
        if (header[i] != 0) {
            text += NameCharacter(header[i]);
        }
    }
    return text.empty() ? "_" : text;
}

// Pic1 ... Pic9, Pic0: name byte 0 is 1 and byte 9 is 0, as the calculator
// shows them.
std::string DigitFor(uint8_t byte)
{
    return byte <= 9 ? std::to_string((byte + 1) % 10) : std::string("_");
}

// [A] ... [J].
std::string LetterFor(uint8_t byte)
{
    return byte <= 9 ? std::string(1, static_cast<char>('A' + byte)) : std::string("_");
}

std::string EquationName(uint8_t code, bool ti83)
{
    if (code >= 0x10 && code <= 0x18) {
        return "Y" + std::to_string(code - 0x0F);
    }
    if (code == 0x19) {
        return "Y0";
    }
    if (code >= 0x20 && code <= 0x2B) {
        return std::string(code % 2 == 0 ? "X" : "Y") + std::to_string((code - 0x20) / 2 + 1) + "t";
    }
    if (code >= 0x40 && code <= 0x45) {
        return "r" + std::to_string(code - 0x3F);
    }
    if (ti83) {
        if (code == 0x80) {
            return "un";
        }
        if (code == 0x81) {
            return "vn";
        }
        if (code == 0x82) {
            return "wn";
        }
    } else {
        if (code == 0x80) {
            return "Un";
        }
        if (code == 0x81) {
            return "Vn";
        }
    }
    return {};
}

std::string Name82(std::span<const uint8_t> h)
{
    switch (h[6]) {
    case 0x00:
        return "Real" + NameCharacter(h[7]) + ".82n";
    case 0x01:
        return "L" + DigitFor(h[8]) + ".82l";
    case 0x02:
        return "Mtrx" + LetterFor(h[8]) + ".82m";
    case 0x03: {
        const std::string eq = EquationName(h[8], false);
        return eq.empty() ? eq : eq + ".82y";
    }
    case 0x05:
    case 0x06:
        return NameCharacters(h, 7) + ".82p";
    case 0x07:
        return "Pic" + DigitFor(h[8]) + ".82i";
    case 0x08:
        return "GDB" + DigitFor(h[8]) + ".82d";
    case 0x0B:
        return "Window.82w";
    case 0x0C:
        return "ZSto.82z";
    case 0x0D:
        return "TblSet.82t";
    case 0x0E:
        return "PrintScr.82_";
    case 0x0F:
        return "Backup.82b";
    default:
        return "Unknown.82_";
    }
}

std::string Name83(std::span<const uint8_t> h)
{
    switch (h[6]) {
    case 0x00:
        return "Real" + NameCharacter(h[7]) + ".83n";
    case 0x01:
    case 0x0D:
        if (h[8] <= 5) {
            return "L" + DigitFor(h[8]) + ".83l";
        }
        return "L" + NameCharacters(h, 8) + ".83l";
    case 0x02:
        return "Mtrx" + LetterFor(h[8]) + ".83m";
    case 0x03: {
        const std::string eq = EquationName(h[8], true);
        return eq.empty() ? eq : eq + ".83y";
    }
    case 0x04:
        return "Str" + DigitFor(h[8]) + ".83s";
    case 0x05:
    case 0x06:
        return NameCharacters(h, 7) + ".83p";
    case 0x07:
        return "Pic" + DigitFor(h[8]) + ".83i";
    case 0x08:
        return "GDB" + DigitFor(h[8]) + ".83d";
    case 0x0C:
        return "Cplx" + NameCharacter(h[7]) + ".83c";
    case 0x0F:
        return "Window.83w";
    case 0x10:
        return "ZSto.83z";
    case 0x11:
        return "TblSet.83t";
    case 0x12:
        return "PrintScr.83_";
    case 0x13:
        return "Backup.83b";
    default:
        return "Unknown.83_";
    }
}

} // namespace

std::string MakeReceiveName(std::span<const uint8_t> header, const std::filesystem::path &folder)
{
    if (header.size() < 15) {
        return {};
    }
    std::string name;
    if (header[0] == machine::kTI82) {
        name = Name82(header);
    } else if (header[0] == machine::kTI83) {
        name = Name83(header);
    }
    if (name.empty()) {
        return {};
    }
    return (folder / name).string();
}

} // namespace vexil::link
