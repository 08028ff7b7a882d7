// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/newfile/NewFileCatalog.h"

#include <array>

namespace vexil::editor {
namespace {

constexpr std::array<NewPageEntry, 5> kNewPage = {{
    {"Ash 3.0 Program", NewPageAction::AssemblerProgram, assemble::ShellTarget::Ash},
    {"CrASH 1.3 Program", NewPageAction::AssemblerProgram, assemble::ShellTarget::CrASH},
    {"TI-83 Assembly Program", NewPageAction::AssemblerProgram, assemble::ShellTarget::TI83},
    {"AShell83 1.0 Program", NewPageAction::AssemblerProgram, assemble::ShellTarget::AShell83},
    {"Text File", NewPageAction::TextFile, {}},
}};

constexpr std::array<VariableEntry, 10> kTI82Page = {{
    {"Program", 'p', "Program"},
    {"Function", 'y', "Function"},
    {"List", 'l', "List"},
    {"Matrix", 'm', "Matrix"},
    {"Real Variable", 'n', "Real"},
    {"Window Settings", 'w', "Window Settings"},
    {"Zoom Settings", 'z', "Zoom Settings"},
    {"Table Settings", 't', "Table Setup"},
    {"Graph Database", 'd', "GDB"},
    {"Group", 'g', "Group"},
}};

constexpr std::array<VariableEntry, 12> kTI83Page = {{
    {"Program", 'p', "Program"},
    {"Function", 'y', "Function"},
    {"List", 'l', "List"},
    {"Matrix", 'm', "Matrix"},
    {"Real Variable", 'n', "Real"},
    {"Complex Variable", 'c', "Complex"},
    {"String", 's', "String"},
    {"Window Settings", 'w', "Window Settings"},
    {"Zoom Settings", 'z', "Zoom Settings"},
    {"Table Settings", 't', "Table Setup"},
    {"Graph Database", 'd', "GDB"},
    {"Group", 'g', "Group"},
}};

std::string_view ModelName(bool isTI82)
{
    return isTI82 ? "TI-82" : "TI-83";
}

} // namespace

std::span<const NewPageEntry> NewPageEntries()
{
    return kNewPage;
}

std::span<const VariableEntry> VariableEntries(bool isTI82)
{
    if (isTI82) {
        return kTI82Page;
    }
    return kTI83Page;
}

std::string VariableExtension(const VariableEntry &entry, bool isTI82)
{
    std::string extension = isTI82 ? "82" : "83";
    extension += entry.letter;
    return extension;
}

std::string VariableTitleSuffix(const VariableEntry &entry, bool isTI82)
{
    std::string suffix = " [";
    suffix += ModelName(isTI82);
    suffix += ' ';
    suffix += entry.titleKind;
    suffix += ']';
    return suffix;
}

std::string UntitledCounter::nextCaption(std::string_view suffix)
{
    std::string caption = "Untitled" + std::to_string(nextNumber());
    caption += suffix;
    return caption;
}

} // namespace vexil::editor
