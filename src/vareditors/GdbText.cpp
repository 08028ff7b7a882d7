// SPDX-License-Identifier: GPL-3.0-or-later
// Graph databases as text: one key=value line per item, in the window's order.
//
//   Name=GDB1
//   Type=Function
//   Format=Connected Sequential GridOff RectGC CoordOn AxesOn LabelOff Web ExprOn
//   Xmin=-10            (the window values of the type, labelled as the grid)
//   Y1=sin(X)           (the equations, token text in UTF-8)
//   Y1.Selected=1       (each equation)
//   Y1.Style=Line       (TI-83; in a parametric GDB one per pair, by its X equation)
//
// A key left out keeps what a new GDB window shows. An equation's value is taken
// exactly as written after its "=", blanks included, since they can be tokens.
#include "tibasic/ProgramText.h"
#include "tibasic/TokenRoundTrip.h"
#include "vareditors/GdbVariable.h"
#include "vareditors/TextFormParts.h"
#include "vareditors/TokenBody.h"
#include "varfile/RealText.h"

#include <algorithm>
#include <set>

namespace vexil::vardata::text {

namespace {

using varfile::CalcModel;

constexpr std::string_view kSelectedSuffix = ".Selected";
constexpr std::string_view kStyleSuffix = ".Style";

FileBuild Refused(std::string message)
{
    return {{}, std::move(message)};
}

std::string Join(std::span<const std::string_view> words, std::string_view separator)
{
    std::string joined;
    for (const std::string_view word : words) {
        joined += (joined.empty() ? "" : std::string(separator)) + std::string(word);
    }
    return joined;
}

std::string FormatText(const GdbVariable &gdb)
{
    std::string words;
    for (std::size_t group = 0; group < FormatGroupCount(gdb.model); ++group) {
        words +=
            (group == 0 ? "" : " ") + std::string(FormatWords(gdb.model, group)[gdb.format[group]]);
    }
    return words;
}

std::string StyleKey(const GdbVariable &gdb, std::size_t style)
{
    return EquationLabel(gdb.model, gdb.type, StyleEquation(gdb.type, style)) +
           std::string(kStyleSuffix);
}

// The first equation whose tokens the text would not give back.
std::string LossOf(const LoadedGdb &loaded)
{
    const GdbVariable &gdb = loaded.variable;
    for (std::size_t row = 0; row < gdb.equations.size(); ++row) {
        const tibasic::TokenRoundTrip check =
            tibasic::CheckTokenRoundTrip(gdb.model, gdb.equations[row].tokens);
        if (!check.reversible()) {
            return EquationLabel(gdb.model, gdb.type, row) + ": " +
                   tibasic::IrreversibleTokensMessage(check, loaded.tokenOffsets[row]);
        }
    }
    return {};
}

// One key=value line; the value as written, untrimmed.
struct Item {
    Line line;
    std::string_view key;
    std::string_view value;
    std::size_t valueColumn; // the 1-based column where the value starts
};

std::size_t CharacterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

struct Items {
    std::vector<Item> items;
    std::string error;
};

Items SplitItems(std::string_view text)
{
    Items result;
    std::set<std::string_view> seen;
    for (const Line &line : NonBlankLines(text)) {
        const std::size_t equals = line.text.find('=');
        if (equals == std::string_view::npos) {
            result.error = AtLine(line, "a GDB line is written key=value");
            return result;
        }
        const std::string_view key = Trim(line.text.substr(0, equals));
        if (!seen.insert(key).second) {
            result.error = AtLine(line, std::string(key) + " is given twice");
            return result;
        }
        result.items.push_back({line, key, line.text.substr(equals + 1),
                                CharacterCount(line.text.substr(0, equals + 1)) + 1});
    }
    return result;
}

template <typename Labels>
std::optional<std::size_t> IndexOf(std::string_view wanted, std::size_t count, Labels label)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (label(i) == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

// Reads the items into a GDB of the type they name.
class GdbReader {
public:
    GdbReader(CalcModel model, std::string_view requestedName)
        : model_(model), requestedName_(requestedName)
    {
    }

    FileBuild read(const std::vector<Item> &items)
    {
        GraphType type = GraphType::Function;
        for (const Item &item : items) {
            if (item.key == "Type") {
                const auto found = TypeNamed(Trim(item.value));
                if (!found) {
                    return Refused(AtLine(item.line, "Type is Function, Parametric, Polar or "
                                                     "Sequence"));
                }
                type = *found;
            }
        }
        gdb_ = NewGdb(model_, type);
        if (!requestedName_.empty() && !takeName(requestedName_)) {
            return Refused(NameRule());
        }
        for (const Item &item : items) {
            if (item.key != "Type" && !take(item)) {
                return Refused(error_);
            }
        }
        return BuildGdbFile(gdb_);
    }

private:
    static std::optional<GraphType> TypeNamed(std::string_view name)
    {
        for (const GraphType type : kGraphTypes) {
            if (GraphTypeName(type) == name) {
                return type;
            }
        }
        return std::nullopt;
    }

    std::string NameRule() const
    {
        return model_ == CalcModel::TI82 ? "A TI-82 GDB name is one of GDB1 to GDB6."
                                         : "A GDB name is one of GDB1 to GDB9 and GDB0.";
    }

    bool takeName(std::string_view name)
    {
        const auto index = IndexOf(name, static_cast<std::size_t>(GdbNameCount(model_)),
                                   [](std::size_t i) { return GdbNameLabel(static_cast<int>(i)); });
        if (index) {
            gdb_.nameIndex = static_cast<int>(*index);
        }
        return index.has_value();
    }

    bool fail(const Item &item, const std::string &message)
    {
        error_ = AtLine(item.line, message);
        return false;
    }

    bool take(const Item &item)
    {
        const std::string_view value = Trim(item.value);
        if (item.key == "Name") {
            if (!requestedName_.empty() && value != requestedName_) {
                return fail(item, "the text names " + std::string(value) + " and --name " +
                                      std::string(requestedName_));
            }
            return takeName(value) || fail(item, NameRule());
        }
        if (item.key == "Format") {
            return takeFormat(item, value);
        }
        const GraphType type = gdb_.type;
        const auto equationLabel = [&](std::size_t row) {
            return EquationLabel(model_, type, row);
        };
        if (const auto row = IndexOf(item.key, gdb_.window.size(), [&](std::size_t i) {
                return WindowRowLabel(model_, type, i);
            })) {
            const auto entry = ParseWindowEntry(model_, type, *row, value);
            if (!entry) {
                return fail(item, varfile::kInvalidRealMessage);
            }
            gdb_.window[*row] = *entry;
            return true;
        }
        if (const auto row = IndexOf(item.key, gdb_.equations.size(), equationLabel)) {
            return takeEquation(item, gdb_.equations[*row]);
        }
        if (const auto row = IndexOf(item.key, gdb_.equations.size(), [&](std::size_t i) {
                return equationLabel(i) + std::string(kSelectedSuffix);
            })) {
            if (value != "0" && value != "1") {
                return fail(item, std::string(item.key) + " is 1 or 0");
            }
            gdb_.equations[*row].select(value == "1");
            return true;
        }
        if (const auto style = IndexOf(item.key, gdb_.styles.size(),
                                       [&](std::size_t i) { return StyleKey(gdb_, i); })) {
            const auto code =
                IndexOf(value, StyleNames().size(), [](std::size_t i) { return StyleNames()[i]; });
            if (!code) {
                return fail(item, "a style is one of " + Join(StyleNames(), ", "));
            }
            gdb_.styles[*style] = static_cast<std::uint8_t>(*code);
            return true;
        }
        return fail(item, "a " + std::string(GraphTypeName(type)) + " GDB has no " +
                              std::string(item.key));
    }

    bool takeFormat(const Item &item, std::string_view value)
    {
        std::vector<std::string_view> words;
        for (std::size_t start = 0; start < value.size();) {
            const std::size_t end = std::min(value.find(' ', start), value.size());
            if (end > start) {
                words.push_back(value.substr(start, end - start));
            }
            start = end + 1;
        }
        std::string rule;
        bool fits = words.size() == FormatGroupCount(model_);
        for (std::size_t group = 0; group < FormatGroupCount(model_); ++group) {
            const auto choices = FormatWords(model_, group);
            rule += (group == 0 ? "" : ", ") + Join(choices, " or ");
            const auto choice = fits ? IndexOf(words[group], choices.size(),
                                               [&](std::size_t i) { return choices[i]; })
                                     : std::nullopt;
            fits = choice.has_value();
            if (fits) {
                gdb_.format[group] = static_cast<std::uint8_t>(*choice);
            }
        }
        return fits || fail(item, "Format takes one word of each setting in order: " + rule);
    }

    bool takeEquation(const Item &item, GdbEquation &equation)
    {
        tibasic::ProgramTextTokens encoded =
            tibasic::EncodeProgramText(model_, item.value, tibasic::TextForm::Utf8);
        if (const auto &failure = encoded.error) {
            const std::string message =
                failure->problem == tibasic::ProgramTextProblem::InvalidToken
                    ? std::string(kInvalidTokenFound)
                    : tibasic::ProgramTextErrorMessage(*failure);
            error_ = "line " + std::to_string(item.line.number) + ", column " +
                     std::to_string(item.valueColumn + failure->at.column - 1) + ": " + message;
            return false;
        }
        equation.tokens = std::move(encoded.tokens);
        return true;
    }

    CalcModel model_;
    std::string_view requestedName_;
    GdbVariable gdb_;
    std::string error_;
};

} // namespace

TextExport ExportGdb(varfile::ByteView file)
{
    const LoadedGdb loaded = LoadGdbFile(file);
    if (!loaded.complete) {
        return NotRead(kGdbReadError);
    }
    const GdbVariable &gdb = loaded.variable;
    std::string text = "Name=" + GdbNameLabel(gdb.nameIndex) +
                       "\nType=" + std::string(GraphTypeName(gdb.type)) +
                       "\nFormat=" + FormatText(gdb) + "\n";
    for (std::size_t row = 0; row < gdb.window.size(); ++row) {
        const SettingValue &value = gdb.window[row];
        text += WindowRowLabel(gdb.model, gdb.type, row) + "=" +
                (value.defined ? varfile::FormatReal(value.value) : "") + "\n";
    }
    for (std::size_t row = 0; row < gdb.equations.size(); ++row) {
        const std::string label = EquationLabel(gdb.model, gdb.type, row);
        const std::string equation = tibasic::DecodeProgramText(
            gdb.model, gdb.equations[row].tokens, tibasic::TextForm::Utf8);
        if (equation.find('\n') != std::string::npos) {
            return NotRead(label + " holds a line break, which its key=value line cannot carry.");
        }
        text += label + "=" + equation + "\n";
    }
    for (std::size_t row = 0; row < gdb.equations.size(); ++row) {
        text += EquationLabel(gdb.model, gdb.type, row) + std::string(kSelectedSuffix) + "=" +
                (gdb.equations[row].selected() ? "1" : "0") + "\n";
    }
    for (std::size_t style = 0; style < gdb.styles.size(); ++style) {
        text += StyleKey(gdb, style) + "=" + std::string(StyleNames()[gdb.styles[style]]) + "\n";
    }
    TextExport exported = Exported(std::move(text));
    exported.lossy = LossOf(loaded);
    return exported;
}

FileBuild ImportGdb(const TextImport &request)
{
    const Items items = SplitItems(request.text);
    if (!items.error.empty()) {
        return Refused(items.error);
    }
    return GdbReader(request.model, request.name).read(items.items);
}

} // namespace vexil::vardata::text
