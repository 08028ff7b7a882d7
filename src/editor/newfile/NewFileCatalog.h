// SPDX-License-Identifier: GPL-3.0-or-later
// What the New-file gallery offers: the assembler programs and the text file on its
// first page, and one entry per kind of calculator variable on the pages of each model,
// with the file extension that kind is stored under and the bracketed title suffix of
// its new window. Also the counter behind the "Untitled" captions.
#pragma once

#include "assemble/ShellTarget.h"

#include <span>
#include <string>
#include <string_view>

namespace vexil::editor {

enum class GalleryPage { New = 0, TI82 = 1, TI83 = 2 };

enum class NewPageAction { AssemblerProgram, TextFile };

struct NewPageEntry {
    std::string_view caption;
    NewPageAction action;
    assemble::ShellTarget target; // for assembler programs
};

struct VariableEntry {
    std::string_view caption;   // "Real Variable"
    char letter;                // the extension's last letter: 'n'
    std::string_view titleKind; // in the title suffix: "Real"
};

// "Ash 3.0 Program", "CrASH 1.3 Program", "TI-83 Assembly Program",
// "AShell83 1.0 Program", "Text File".
std::span<const NewPageEntry> NewPageEntries();
// The entries of the "TI-82" or "TI-83" page, in gallery order.
std::span<const VariableEntry> VariableEntries(bool isTI82);

// "82n" or "83n".
std::string VariableExtension(const VariableEntry &entry, bool isTI82);
// " [TI-82 Real]".
std::string VariableTitleSuffix(const VariableEntry &entry, bool isTI82);

// One counter for every new document window of the main window: each new window
// takes the next number, whatever its kind.
class UntitledCounter {
public:
    // "Untitled" + the next number + suffix.
    std::string nextCaption(std::string_view suffix = {});
    int nextNumber() { return ++count_; }
    int count() const { return count_; }

private:
    int count_ = 0;
};

} // namespace vexil::editor
