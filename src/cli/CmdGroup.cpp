// SPDX-License-Identifier: GPL-3.0-or-later
// vexil-cli group: list, build and take apart group files with the Group Editor's
// own rules, so a script sees exactly what the window shows and writes.
#include "cli/CliArgs.h"
#include "cli/Commands.h"
#include "cli/ModelOptions.h"

#include "base/FileIo.h"
#include "varfile/VarFileReader.h"
#include "varfile/group/GroupAdd.h"
#include "varfile/group/GroupEntryText.h"
#include "varfile/group/GroupFile.h"

#include <iostream>

namespace vexil::cli {

namespace {

namespace fs = std::filesystem;

// The group in `path`, or nothing when the file cannot be read (said on stderr).
// A damaged group is reported too, but its whole entries still count.
std::optional<group::LoadedGroup> LoadGroup(const char *verb, const std::string &path)
{
    const base::ReadResult read = varfile::ReadVarFileBytes(path);
    if (!read.ok()) {
        std::cerr << "vexil-cli group " << verb << ": " << read.error->message << '\n';
        return std::nullopt;
    }
    group::LoadedGroup loaded = group::ParseGroupFile(read.bytes);
    if (!loaded.complete()) {
        std::cerr << path << ": " << group::kGroupReadError << " (" << loaded.problem << ")\n";
    }
    return loaded;
}

int RunList(const Words &words)
{
    const CliArgs args(words, {}, {});
    args.expectPositional(1, 1);
    const auto loaded = LoadGroup("list", args.positional()[0]);
    if (!loaded) {
        return kExitBadInput;
    }
    for (const group::GroupElement &element : loaded->elements) {
        const group::EntrySummary entry = *group::FirstEntry(element);
        std::cout << group::TypeText(loaded->model, entry.typeId) << '\t'
                  << group::ShownName(loaded->model, entry, group::NameGlyphs::Plain) << '\n';
    }
    return loaded->complete() ? kExitOk : kExitBadInput;
}

int RunPack(const Words &words)
{
    const CliArgs args(words, {"--model", "-o"}, {});
    args.expectPositional(1, SIZE_MAX);
    const varfile::CalcModel model = ModelOption(args);
    const std::string out = args.required("-o");
    std::vector<group::GroupElement> elements;
    bool refused = false;
    for (const std::string &path : args.positional()) {
        group::AddedFile added = group::ReadFileForGroup(path, model);
        if (!added.ok()) {
            std::cerr << added.refusal << '\n';
            refused = true;
            continue;
        }
        elements.push_back(std::move(added.element));
    }
    if (refused) {
        return kExitBadInput;
    }
    const group::BuiltGroup built = group::BuildGroupFile(model, elements);
    if (!built.ok()) {
        std::cerr << "vexil-cli group pack: " << built.error << '\n';
        return kExitBadInput;
    }
    if (const auto error = base::WriteFileAtomically(out, built.file)) {
        std::cerr << "vexil-cli group pack: " << error->message << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

int RunUnpack(const Words &words)
{
    const CliArgs args(words, {"-d"}, {"--overwrite"});
    args.expectPositional(1, 1);
    const fs::path folder = args.required("-d");
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        std::cerr << "vexil-cli group unpack: " << folder.string() << " is not a folder\n";
        return kExitBadInput;
    }
    const auto loaded = LoadGroup("unpack", args.positional()[0]);
    if (!loaded) {
        return kExitBadInput;
    }
    bool allWritten = loaded->complete();
    for (const group::GroupElement &element : loaded->elements) {
        const fs::path target = group::ExtractPath(folder, loaded->model, element);
        if (!args.flag("--overwrite") && fs::exists(fs::symlink_status(target, ec))) {
            std::cerr << target.string() << " already exists; skipped (--overwrite replaces it)\n";
            allWritten = false;
            continue;
        }
        if (!group::WriteExtractedFile(target, loaded->model, element)) {
            std::cerr << "Error writing file " << target.string() << ".\n";
            allWritten = false;
            continue;
        }
        std::cout << target.string() << '\n';
    }
    return allWritten ? kExitOk : kExitBadInput;
}

} // namespace

int RunGroup(const Words &words)
{
    return RunVerb("group", words, {{"list", RunList}, {"pack", RunPack}, {"unpack", RunUnpack}});
}

} // namespace vexil::cli
