// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/GroupEntryText.h"

#include "base/FileIo.h"
#include "varfile/SafeFileName.h"
#include "varfile/VarFile.h"
#include "varfile/VarTypes.h"

#include <cstdio>

namespace vexil::group {

namespace {

using varfile::kThetaByte;
using varfile::VarKind;

constexpr char kFontTheta = '\xC1';
constexpr char kFontSubscriptZero = '\x80';
constexpr char kFontSmallT = '\xD4';
constexpr char kFontSmallN = '\xD6';
constexpr const char *kUtf8Theta = "\xCE\xB8";

void AppendHex(std::string &out, std::uint8_t byte)
{
    char hex[5];
    std::snprintf(hex, sizeof hex, "{%02X}", byte);
    out += hex;
}

void AppendNameByte(std::string &out, std::uint8_t byte, NameGlyphs glyphs)
{
    const bool font = glyphs == NameGlyphs::KeyboardFont;
    if (byte == kThetaByte) {
        out += font ? std::string(1, kFontTheta) : std::string(kUtf8Theta);
    } else if ((byte >= 0x20 && byte < 0x7F) || (font && byte >= 0x80)) {
        out += static_cast<char>(byte);
    } else {
        AppendHex(out, byte);
    }
}

// Every non-zero byte of the name from `from` on.
std::string NameBytes(const varfile::VarName &name, std::size_t from, NameGlyphs glyphs)
{
    std::string out;
    for (std::size_t i = from; i < name.size(); ++i) {
        if (name[i] != 0) {
            AppendNameByte(out, name[i], glyphs);
        }
    }
    return out;
}

// The same for a file name, with theta written `theta`.
std::string FileNameBytes(const varfile::VarName &name, std::size_t from, const char *theta)
{
    std::string out;
    for (std::size_t i = from; i < name.size(); ++i) {
        if (name[i] == kThetaByte) {
            out += theta;
        } else if (name[i] != 0) {
            out += static_cast<char>(name[i]);
        }
    }
    return out;
}

std::string LetterFileName(std::uint8_t byte, const char *theta)
{
    return byte == kThetaByte ? std::string(theta) : std::string(1, static_cast<char>(byte));
}

// Pictures, graph databases and strings store 0..8 for 1..9 and 9 for 0.
char NumberDigit(std::uint8_t stored)
{
    return static_cast<char>('0' + (stored + 1) % 10);
}

// A digit 0..9, as a subscript glyph of the Keyboard Font or a plain digit.
char SmallDigit(int digit, NameGlyphs glyphs)
{
    return static_cast<char>((glyphs == NameGlyphs::KeyboardFont ? kFontSubscriptZero : '0') +
                             digit % 10);
}

// L1..L6 store 00..05 after the list prefix; a TI-83 user list stores its letters.
bool IsNumberedList(const varfile::VarName &name)
{
    return name[1] <= 0x05;
}

std::string EquationName(CalcModel model, std::uint8_t code, NameGlyphs glyphs)
{
    const bool plain = glyphs == NameGlyphs::Plain;
    if (code >= 0x10 && code <= 0x19) {
        return std::string("Y") + SmallDigit(code - 0x10 + 1, glyphs);
    }
    if (code >= 0x20 && code <= 0x2B) {
        const int pair = (code - 0x20) / 2 + 1;
        return std::string(1, code % 2 == 0 ? 'X' : 'Y') + SmallDigit(pair, glyphs) +
               (plain ? 't' : kFontSmallT);
    }
    if (code >= 0x40 && code <= 0x45) {
        return std::string("r") + SmallDigit(code - 0x40 + 1, glyphs);
    }
    if (model == CalcModel::TI82 && (code == 0x80 || code == 0x81)) {
        return std::string(1, code == 0x80 ? 'U' : 'V') + (plain ? 'n' : kFontSmallN);
    }
    if (model == CalcModel::TI83 && code >= 0x80 && code <= 0x82) {
        return std::string(1, static_cast<char>('u' + code - 0x80));
    }
    return {};
}

std::string EquationFileName(CalcModel model, std::uint8_t code)
{
    std::string name = EquationName(model, code, NameGlyphs::Plain);
    if (name.empty()) {
        return "Unknown";
    }
    // The TI-83's u, v and w are named un, vn and wn on disk.
    return model == CalcModel::TI83 && code >= 0x80 ? name + "n" : name;
}

std::string ModelExtension(CalcModel model, char letter)
{
    return std::string(".") + varfile::ModelDigits(model) + letter;
}

} // namespace

std::string TypeText(CalcModel model, std::uint8_t typeId)
{
    const std::optional<VarKind> kind = varfile::KindOfTypeId(model, typeId);
    if (!kind) {
        return "?";
    }
    switch (*kind) {
    case VarKind::Real:
        return "REAL";
    case VarKind::List:
    case VarKind::ComplexList:
        return "LIST";
    case VarKind::Matrix:
        return "MATRX";
    case VarKind::Equation:
        return "EQU";
    case VarKind::String:
        return "STRNG";
    case VarKind::Program:
    case VarKind::ProtectedProgram:
        return "PRGM";
    case VarKind::Picture:
        return "PIC";
    case VarKind::GraphDatabase:
        return "GDB";
    case VarKind::Complex:
        return "CPLX";
    case VarKind::WindowSettings:
        return "WINDW";
    case VarKind::SavedZoom:
        return "ZSTO";
    case VarKind::TableSetup:
        return "TABLE";
    case VarKind::ScreenImage:
    case VarKind::Backup:
        break;
    }
    return "?";
}

std::string ShownName(CalcModel model, const EntrySummary &entry, NameGlyphs glyphs)
{
    const varfile::VarName &name = entry.name;
    const std::optional<VarKind> kind = varfile::KindOfTypeId(model, entry.typeId);
    std::string out;
    switch (kind.value_or(VarKind::Backup)) {
    case VarKind::Real:
    case VarKind::Complex:
        AppendNameByte(out, name[0], glyphs);
        return out;
    case VarKind::List:
    case VarKind::ComplexList:
        if (IsNumberedList(name)) {
            return std::string("L") + SmallDigit(name[1] + 1, glyphs);
        }
        return "L" + NameBytes(name, 1, glyphs);
    case VarKind::Matrix:
        out = "[";
        AppendNameByte(out, static_cast<std::uint8_t>('A' + name[1]), glyphs);
        return out + "]";
    case VarKind::Equation: {
        const std::string equation = EquationName(model, name[1], glyphs);
        return equation.empty() ? "Unknown" : equation;
    }
    case VarKind::String:
        return std::string("Str") + NumberDigit(name[1]);
    case VarKind::Program:
    case VarKind::ProtectedProgram:
        return NameBytes(name, 0, glyphs);
    case VarKind::Picture:
        return std::string("Pic") + NumberDigit(name[1]);
    case VarKind::GraphDatabase:
        return std::string("GDB") + NumberDigit(name[1]);
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

std::string ExtractFileName(CalcModel model, const EntrySummary &entry)
{
    const varfile::VarName &name = entry.name;
    const std::optional<VarKind> kind = varfile::KindOfTypeId(model, entry.typeId);
    const char *theta = model == CalcModel::TI82 ? "THET" : "@";
    switch (kind.value_or(VarKind::Backup)) {
    case VarKind::Real:
        return "Real" + LetterFileName(name[0], theta) + ModelExtension(model, 'n');
    case VarKind::Complex:
        return "Cplx" + LetterFileName(name[0], "@") + ".83c";
    case VarKind::List:
    case VarKind::ComplexList:
        if (IsNumberedList(name)) {
            return std::string("L") + static_cast<char>('1' + name[1]) + ModelExtension(model, 'l');
        }
        return "L" + FileNameBytes(name, 1, "@") + ModelExtension(model, 'l');
    case VarKind::Matrix:
        return std::string("Mtrx") + static_cast<char>('A' + name[1]) + ModelExtension(model, 'm');
    case VarKind::Equation:
        return EquationFileName(model, name[1]) + ModelExtension(model, 'y');
    case VarKind::String:
        return std::string("Str") + NumberDigit(name[1]) + ".83s";
    case VarKind::Program:
    case VarKind::ProtectedProgram:
        return FileNameBytes(name, 0, "@") + ModelExtension(model, 'p');
    case VarKind::Picture:
        return std::string("Pic") + NumberDigit(name[1]) + ModelExtension(model, 'i');
    case VarKind::GraphDatabase:
        return std::string("GDB") + NumberDigit(name[1]) + ModelExtension(model, 'd');
    case VarKind::WindowSettings:
        return "Window" + ModelExtension(model, 'w');
    case VarKind::SavedZoom:
        return "ZSto" + ModelExtension(model, 'z');
    case VarKind::TableSetup:
        return "TblSet" + ModelExtension(model, 't');
    case VarKind::ScreenImage:
    case VarKind::Backup:
        break;
    }
    return "Unknown" + ModelExtension(model, '_');
}

std::filesystem::path ExtractPath(const std::filesystem::path &folder, CalcModel model,
                                  ByteView element)
{
    const std::optional<EntrySummary> entry = FirstEntry(element);
    if (!entry) {
        return {};
    }
    // Joined as text: a name starting with "/" must not replace the folder.
    return varfile::SafeVarFilePath(folder,
                                    (folder / "").string() + ExtractFileName(model, *entry));
}

std::optional<Bytes> ExtractedFile(CalcModel model, ByteView element)
{
    if (!IsWholeElement(element)) {
        return std::nullopt;
    }
    return varfile::BuildVarFileFromSection(
        model, varfile::WriterComment(varfile::CommentWriter::GroupExtract), element);
}

bool WriteExtractedFile(const std::filesystem::path &target, CalcModel model, ByteView element)
{
    const std::optional<Bytes> file = ExtractedFile(model, element);
    return file && !base::WriteFileAtomically(target, *file, base::AtSymlink::Replace);
}

} // namespace vexil::group
