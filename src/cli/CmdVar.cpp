// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli var export|import: every variable kind that has an editor, as text and
// back, through the editors' own layouts.
#include "base/AsciiText.h"
#include "base/FileIo.h"
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ModelOptions.h"
#include "vareditors/VariableText.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"
#include "varfile/VarTypes.h"

#include <charconv>
#include <iostream>
#include <iterator>

namespace vexil::cli {

namespace {

// --entry N counts from 1.
std::size_t EntryOption(const CliArgs &args)
{
    const std::string text = args.value("--entry").value_or("1");
    std::size_t entry = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), entry);
    if (error != std::errc() || end != text.data() + text.size() || entry == 0) {
        throw UsageError("--entry takes a number from 1, not " + text);
    }
    return entry;
}

const vardata::VariableTextForm &TypeOption(const CliArgs &args)
{
    const std::string type = args.required("--type");
    if (const auto *form = vardata::TextFormOfType(type)) {
        return *form;
    }
    throw UsageError("unknown --type " + type);
}

// The input file, or standard input for none or "-".
std::optional<std::string> ReadInput(const CliArgs &args)
{
    if (args.positional().empty() || args.positional()[0] == "-") {
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    }
    const base::ReadResult read = varfile::ReadVarFileBytes(args.positional()[0]);
    if (!read.ok()) {
        std::cerr << "vexil-cli: " << read.error->message << '\n';
        return std::nullopt;
    }
    return std::string(read.bytes.begin(), read.bytes.end());
}

std::string NoTextForm(std::optional<varfile::VarKind> kind)
{
    if (!kind) {
        return "not a variable this command knows";
    }
    if (*kind == varfile::VarKind::Program || *kind == varfile::VarKind::ProtectedProgram) {
        return "a program: vexil-cli basic export prints it as text";
    }
    // "Picture" reads "a picture ..."; "Y-variable" keeps its capital.
    std::string meaning = varfile::VarKindMeaning(*kind);
    if (meaning.size() > 1 && meaning[1] != '-') {
        meaning[0] = base::AsciiLower(meaning[0]);
    }
    return "a " + meaning + " has no text form yet";
}

int Export(const Words &words)
{
    const CliArgs args(words, {"--entry"}, {"--lossy"});
    args.expectPositional(1, 1);
    const std::size_t entry = EntryOption(args);
    const std::string &path = args.positional()[0];
    const base::ReadResult read = varfile::ReadVarFileBytes(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli: " << read.error->message << '\n';
        return kExitBadInput;
    }
    const auto file = vardata::EntryAsFile(read.bytes, entry - 1);
    if (!file) {
        std::cerr << path << ": the file has no entry " << entry << '\n';
        return kExitBadInput;
    }
    const varfile::CalcModel model = varfile::ReadVarFileModel(*file);
    const auto kind = file->size() > varfile::kTypeIdOffset
                          ? varfile::KindOfTypeId(model, (*file)[varfile::kTypeIdOffset])
                          : std::nullopt;
    const vardata::VariableTextForm *form = kind ? vardata::TextFormOfKind(*kind) : nullptr;
    if (!form) {
        std::cerr << path << ": " << NoTextForm(kind) << '\n';
        return kExitBadInput;
    }
    const vardata::TextExport exported = form->exportText(*file);
    if (!exported.ok()) {
        std::cerr << path << ": " << exported.error << '\n';
        return kExitBadInput;
    }
    if (!exported.lossy.empty()) {
        if (!args.flag("--lossy")) {
            std::cerr << path << ": " << exported.lossy << " (--lossy exports it anyway)\n";
            return kExitBadInput;
        }
        std::cerr << path << ": warning: " << exported.lossy << '\n';
    }
    std::cout << exported.text << std::flush;
    return kExitOk;
}

int Import(const Words &words)
{
    const CliArgs args(words, {"--type", "--model", "--name", "-o"}, {});
    args.expectPositional(0, 1);
    const vardata::VariableTextForm &form = TypeOption(args);
    const varfile::CalcModel model = ModelOption(args);
    const std::string out = args.required("-o");
    const auto text = ReadInput(args);
    if (!text) {
        return kExitBadInput;
    }
    const vardata::FileBuild build =
        form.importText({model, args.value("--name").value_or(""), *text});
    if (!build.ok()) {
        std::cerr << "vexil-cli var: " << build.error << '\n';
        return kExitBadInput;
    }
    if (const auto error = base::WriteFileAtomically(out, build.file)) {
        std::cerr << "vexil-cli: " << error->message << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

} // namespace

std::string VarSynopsis()
{
    std::string types;
    for (const vardata::VariableTextForm &form : vardata::VariableTextForms()) {
        types += (types.empty() ? "" : "|") + std::string(form.type);
    }
    return "var export FILE [--entry N] [--lossy]\n"
           "var import --type TYPE --model 82|83 [--name NAME] [IN] -o OUT\n"
           "    (TYPE: " +
           types + ";\n     IN: a file, or standard input when left out or -)";
}

int RunVar(const Words &words)
{
    return RunVerb("var", words, {{"export", Export}, {"import", Import}});
}

} // namespace vexil::cli
