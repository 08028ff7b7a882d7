// SPDX-License-Identifier: GPL-3.0-or-later
#include "assemble/run/BuildScript.h"

namespace vexil::assemble::run {
namespace {

// Folders are handed over with a trailing slash, as the variables always were.
std::string FolderWithSlash(const std::filesystem::path &folder)
{
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') {
        text.push_back('/');
    }
    return text;
}

std::string ExportLine(std::string_view name, const std::string &value)
{
    std::string line(name);
    line += '=' + ShellQuote(value) + "; export ";
    line += name;
    return line;
}

// A file name in the source's folder as the assembler's argument: one that starts
// with "-" would be taken for an option, so it is given as "./-name".
std::string FileArgument(const std::filesystem::path &file)
{
    const std::string name = file.filename().string();
    return ShellQuote(name.starts_with('-') ? "./" + name : name);
}

} // namespace

std::string ShellQuote(std::string_view text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted.push_back(c);
        }
    }
    quoted.push_back('\'');
    return quoted;
}

std::string BuildScriptText(const BuildScriptInput &input)
{
    const RunFiles &files = input.files;
    const std::filesystem::path sourceDir = input.paths.source.parent_path();
    const std::string failFlag = ShellQuote(files.failFlag.string());
    const std::string stateFlag = ShellQuote(files.stateFlag.string());
    const std::string reportFailure = "echo " + ShellQuote(kFailFlagText) + " >" + failFlag;

    std::string script;
    auto line = [&script](const std::string &text) { script += text + '\n'; };
    line("#!/bin/sh");
    // A folder that vanished since the run started must still end the run.
    line("cd " + ShellQuote(sourceDir.string()) + " || { " + reportFailure + "; rm -f " +
         stateFlag + "; exit 1; }");
    line(ExportLine("SRCDIR", FolderWithSlash(sourceDir)));
    line(ExportLine("TASMTABS", FolderWithSlash(input.programDir)));
    line(ExportLine("TASMINC", (input.programDir / Describe(input.target).name).string()));
    // The error list is read back from the default error lines, and the program file is
    // made from a binary object: an error layout or extra options the user set for other
    // tools (the options are read after the command line, so they would win) must not
    // reach this run.
    line("unset TASMERRFORMAT TASMOPTS");
    // The listing is named explicitly: the assembler's own default cuts the name at its
    // first dot, which would miss the listing of "my.game.z80".
    line(ShellQuote(input.assembler.string()) + ' ' + TasmFlags(input.flags) + ' ' +
         FileArgument(input.paths.source) + ' ' + FileArgument(input.paths.objectFile) + ' ' +
         FileArgument(input.paths.listingFile) + " >" + ShellQuote(files.output.string()));
    line("if [ $? -ge 1 ]; then");
    line("    " + reportFailure);
    line("fi");
    line("rm -f " + stateFlag);
    return script;
}

} // namespace vexil::assemble::run
