// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/FileKind.h"

#include "base/AsciiText.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"
#include "varfile/VarTypes.h"

#include <cstdio>
#include <cstring>

namespace vexil::varfile {

namespace {

bool StartsWith(ByteView file, const char *prefix)
{
    const std::size_t length = std::strlen(prefix);
    return file.size() >= length && std::memcmp(file.data(), prefix, length) == 0;
}

std::string ModelName(CalcModel model)
{
    return std::string("TI-") + ModelDigits(model);
}

// "Window settings" -> "window settings"; "Y-variable" keeps its capital.
std::string InSentence(const char *meaning)
{
    std::string text = meaning;
    if (text.size() > 1 && text[1] != '-') {
        text[0] = base::AsciiLower(text[0]);
    }
    return text;
}

std::string KindPhrase(CalcModel model, std::optional<VarKind> kind)
{
    if (!kind) {
        return "a " + ModelName(model) + " variable file";
    }
    return "a " + ModelName(model) + " " + InSentence(VarKindMeaning(*kind));
}

CalculatorFileKind KindFromContents(CalcModel model, ByteView file)
{
    const VarFileContents contents = ParseVarFile(file);
    if (contents.entries.size() > 1) {
        return {"a " + ModelName(model) + " group of " + std::to_string(contents.entries.size()) +
                    " variables",
                GroupFileExtension(model)};
    }
    if (contents.entries.empty()) {
        return {KindPhrase(model, std::nullopt), {}};
    }
    const ParsedEntry &entry = contents.entries.front();
    const std::optional<VarKind> kind = entry.headerLength == kBackupHeaderLength
                                            ? VarKind::Backup
                                            : KindOfTypeId(model, entry.typeId);
    const std::optional<std::uint8_t> id = kind ? TypeIdOf(model, *kind) : std::nullopt;
    if (!id) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%02X", entry.typeId);
        return {"a " + ModelName(model) + " variable of type " + hex, {}};
    }
    return {KindPhrase(model, kind), VarFileExtension(model, *id)};
}

} // namespace

FileFamily FamilyOfFile(ByteView file)
{
    if (StartsWith(file, "**TI82**")) {
        return FileFamily::TI82;
    }
    if (StartsWith(file, "**TI83**")) {
        return FileFamily::TI83;
    }
    if (StartsWith(file, "**TI83F*")) {
        return FileFamily::TI83Plus;
    }
    for (const char *other :
         {"**TI73**", "**TI85**", "**TI86**", "**TI89**", "**TI92**", "**TI92P*"}) {
        if (StartsWith(file, other)) {
            return FileFamily::OtherCalculator;
        }
    }
    const VarFileContents contents = ParseVarFile(file);
    if (!contents.entries.empty() && contents.complete()) {
        return contents.model == CalcModel::TI82 ? FileFamily::TI82 : FileFamily::TI83;
    }
    return FileFamily::NotCalculator;
}

const char *FamilyDescription(FileFamily family)
{
    switch (family) {
    case FileFamily::TI82:
        return "TI-82 file";
    case FileFamily::TI83:
        return "TI-83 file";
    case FileFamily::TI83Plus:
        return "TI-83 Plus file";
    case FileFamily::OtherCalculator:
    case FileFamily::NotCalculator:
        break;
    }
    return "not a TI-82 or TI-83 file";
}

std::string ForeignFileMessage(FileFamily family)
{
    const char *const ours = "; Vexil works with TI-82 and TI-83 files only.";
    if (family == FileFamily::TI83Plus) {
        return std::string("This is a TI-83 Plus file") + ours;
    }
    if (family == FileFamily::OtherCalculator) {
        return std::string("This is a file of another calculator") + ours;
    }
    return {};
}

std::optional<CalculatorFileKind> KindOfCalculatorFile(ByteView file, std::string_view extension)
{
    const FileFamily family = FamilyOfFile(file);
    if (IsOurFamily(family)) {
        return KindFromContents(family == FileFamily::TI82 ? CalcModel::TI82 : CalcModel::TI83,
                                file);
    }
    if (extension.size() != 3 || extension[0] != '8' ||
        (extension[1] != '2' && extension[1] != '3')) {
        return std::nullopt;
    }
    const CalcModel model = extension[1] == '2' ? CalcModel::TI82 : CalcModel::TI83;
    const char letter = base::AsciiLower(extension[2]);
    const std::string dotted = "." + std::string(ModelDigits(model)) + letter;
    if (letter == 'g') {
        return CalculatorFileKind{"a " + ModelName(model) + " group", dotted};
    }
    const std::optional<VarKind> kind = KindOfExtensionLetter(model, letter);
    return CalculatorFileKind{KindPhrase(model, kind), kind ? dotted : std::string()};
}

} // namespace vexil::varfile
