// SPDX-License-Identifier: GPL-3.0-or-later
// Reals, complex numbers, lists and matrices as text: the numbers as the editors
// show them (FormatReal, FormatComplex), one list element per line, one matrix row
// per line with its elements separated by ",".
#include "vareditors/ListVariable.h"
#include "vareditors/MatrixVariable.h"
#include "vareditors/NumberVariables.h"
#include "vareditors/RealCodec.h"
#include "vareditors/TextFormParts.h"
#include "varfile/CalcReal.h"
#include "varfile/RealText.h"

namespace vexil::vardata::text {

namespace {

constexpr std::string_view kThetaText = "θ";

FileBuild Refused(std::string message)
{
    return {{}, std::move(message)};
}

// A..Z, then theta as the real editor ("Theta") or the complex editor ("θ") shows it.
std::optional<int> LetterIndex(std::string_view name)
{
    if (name.empty()) {
        return 0;
    }
    if (name == kThetaText || name == "Theta") {
        return kThetaNameIndex;
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
        return name[0] - 'A';
    }
    return std::nullopt;
}

constexpr std::string_view kLetterNameMessage = "The name must be a letter A to Z or θ.";

// Either a real that replaces only the real part or a complex a+bi; both parts are
// rounded and range-checked as the complex editor takes them.
struct ComplexValue {
    double re = 0.0;
    double im = 0.0;
};
std::optional<ComplexValue> ParseComplexValue(std::string_view text, std::string &error)
{
    const varfile::ComplexEntry entry = varfile::ParseComplex(text);
    switch (entry.outcome) {
    case varfile::ComplexEntry::Outcome::RealOnly:
        return ComplexValue{varfile::RoundReal(entry.real), 0.0};
    case varfile::ComplexEntry::Outcome::Complex: {
        const double re = varfile::RoundReal(entry.real);
        const double im = varfile::RoundReal(entry.imaginary);
        if (varfile::CheckRange(re) && varfile::CheckRange(im)) {
            return ComplexValue{re, im};
        }
        error = varfile::kInvalidRealMessage;
        return std::nullopt;
    }
    case varfile::ComplexEntry::Outcome::InvalidReal:
        error = varfile::kInvalidRealMessage;
        return std::nullopt;
    case varfile::ComplexEntry::Outcome::InvalidComplex:
        break;
    }
    error = varfile::kInvalidComplexMessage;
    return std::nullopt;
}

// The one value of a real or complex text; an empty text is 0, as a new window shows.
std::optional<std::string_view> SingleValue(const TextImport &request, std::string &error)
{
    const std::vector<Line> lines = NonBlankLines(request.text);
    if (lines.size() > 1) {
        error = AtLine(lines[1], "a number variable holds one value");
        return std::nullopt;
    }
    return lines.empty() ? std::string_view("0") : Trim(lines[0].text);
}

std::optional<int> MatrixIndex(varfile::CalcModel model, std::string_view name)
{
    if (name.empty()) {
        return 0;
    }
    for (int index = 0; index < MatrixNameCount(model); ++index) {
        if (name == MatrixNameLabel(index)) {
            return index;
        }
    }
    return std::nullopt;
}

// The list name as the list editor's name box takes it: L1..L6, or on the TI-83 a
// typed name, theta written θ or "@".
std::optional<std::string> ListName(varfile::CalcModel model, std::string_view name,
                                    std::string &error)
{
    if (name.empty()) {
        return "L1";
    }
    std::string typed;
    for (std::size_t i = 0; i < name.size();) {
        if (name.substr(i).starts_with(kThetaText)) {
            typed += '@';
            i += kThetaText.size();
        } else {
            typed += name[i++];
        }
    }
    const bool builtin = typed.size() == 2 && typed[0] == 'L' && typed[1] >= '1' && typed[1] <= '6';
    if (model == varfile::CalcModel::TI82 && !builtin) {
        error = "The TI-82 has only the lists L1 to L6.";
        return std::nullopt;
    }
    if (!ListNameBytes(typed)) {
        error = "A list name has 1 to 5 characters.";
        return std::nullopt;
    }
    return typed;
}

FileBuild ImportAnyList(const TextImport &request, bool complex)
{
    std::string error;
    ListVariable list;
    list.model = request.model;
    list.complex = complex;
    const auto name = ListName(request.model, request.name, error);
    if (!name) {
        return Refused(error);
    }
    list.name = *name;
    for (const Line &line : NonBlankLines(request.text)) {
        ListElement element;
        if (complex) {
            const auto value = ParseComplexValue(Trim(line.text), error);
            if (!value) {
                return Refused(AtLine(line, error));
            }
            element = {value->re, value->im};
        } else {
            const auto value = ParseTypedReal(line.text);
            if (!value) {
                return Refused(AtLine(line, varfile::kInvalidRealMessage));
            }
            element.re = *value;
        }
        list.elements.push_back(element);
    }
    auto build = BuildListFile(list);
    return {std::move(build.file), std::move(build.error)};
}

// The elements of one matrix row.
std::vector<std::string_view> SplitCells(std::string_view line)
{
    std::vector<std::string_view> cells;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        cells.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) {
            return cells;
        }
        start = comma + 1;
    }
}

} // namespace

TextExport ExportReal(varfile::ByteView file)
{
    const auto loaded = LoadRealFile(file);
    if (!loaded.complete) {
        return NotRead(kRealReadError);
    }
    return Exported(varfile::FormatReal(loaded.variable.value) + "\n");
}

FileBuild ImportReal(const TextImport &request)
{
    std::string error;
    const auto index = LetterIndex(request.name);
    if (!index) {
        return Refused(std::string(kLetterNameMessage));
    }
    const auto text = SingleValue(request, error);
    if (!text) {
        return Refused(error);
    }
    const auto value = ParseTypedReal(*text);
    if (!value) {
        return Refused(varfile::kInvalidRealMessage);
    }
    auto build = BuildRealFile({request.model, *index, *value});
    return {std::move(build.file), std::move(build.error)};
}

TextExport ExportComplex(varfile::ByteView file)
{
    const auto loaded = LoadComplexFile(file);
    if (!loaded.complete) {
        return NotRead(kComplexReadError);
    }
    return Exported(varfile::FormatComplex(loaded.variable.re, loaded.variable.im) + "\n");
}

FileBuild ImportComplex(const TextImport &request)
{
    if (request.model == varfile::CalcModel::TI82) {
        return Refused("The TI-82 has no complex numbers.");
    }
    std::string error;
    const auto index = LetterIndex(request.name);
    if (!index) {
        return Refused(std::string(kLetterNameMessage));
    }
    const auto text = SingleValue(request, error);
    const auto value = text ? ParseComplexValue(*text, error) : std::nullopt;
    if (!value) {
        return Refused(error);
    }
    auto build = BuildComplexFile({*index, value->re, value->im});
    return {std::move(build.file), std::move(build.error)};
}

TextExport ExportList(varfile::ByteView file)
{
    const auto loaded = LoadListFile(file);
    if (!loaded.complete) {
        return NotRead(kListReadError);
    }
    std::string text;
    for (const ListElement &element : loaded.variable.elements) {
        text += loaded.variable.complex ? varfile::FormatComplex(element.re, element.im)
                                        : varfile::FormatReal(element.re);
        text += '\n';
    }
    return Exported(std::move(text));
}

FileBuild ImportList(const TextImport &request)
{
    return ImportAnyList(request, false);
}

FileBuild ImportComplexList(const TextImport &request)
{
    if (request.model == varfile::CalcModel::TI82) {
        return Refused("The TI-82 has no complex lists.");
    }
    return ImportAnyList(request, true);
}

TextExport ExportMatrix(varfile::ByteView file)
{
    const auto loaded = LoadMatrixFile(file);
    if (!loaded.complete) {
        return NotRead(kMatrixReadError);
    }
    const MatrixVariable &matrix = loaded.variable;
    std::string text;
    for (int row = 0; row < matrix.rows; ++row) {
        for (int column = 0; column < matrix.columns; ++column) {
            text += (column > 0 ? "," : "") + varfile::FormatReal(matrix.at(row, column));
        }
        text += '\n';
    }
    return Exported(std::move(text));
}

FileBuild ImportMatrix(const TextImport &request)
{
    MatrixVariable matrix;
    matrix.model = request.model;
    const auto index = MatrixIndex(request.model, request.name);
    if (!index) {
        return Refused(request.model == varfile::CalcModel::TI82
                           ? "The TI-82 has only the matrices [A] to [E]."
                           : "The TI-83 has only the matrices [A] to [J].");
    }
    matrix.nameIndex = *index;
    const std::vector<Line> lines = NonBlankLines(request.text);
    if (!lines.empty()) {
        matrix.values.clear();
        matrix.rows = static_cast<int>(lines.size());
        matrix.columns = static_cast<int>(SplitCells(lines[0].text).size());
    }
    if (matrix.rows > kMaxMatrixDimension || matrix.columns > kMaxMatrixDimension) {
        return Refused(std::string(kMatrixDimensionMessage));
    }
    for (const Line &line : lines) {
        const std::vector<std::string_view> cells = SplitCells(line.text);
        if (static_cast<int>(cells.size()) != matrix.columns) {
            return Refused(AtLine(line, "every row of a matrix has as many elements as the "
                                        "first, " +
                                            std::to_string(matrix.columns)));
        }
        for (const std::string_view cell : cells) {
            const auto value = ParseTypedReal(cell);
            if (!value) {
                return Refused(AtLine(line, varfile::kInvalidRealMessage));
            }
            matrix.values.push_back(*value);
        }
    }
    return BuildMatrixFile(matrix);
}

} // namespace vexil::vardata::text
