// SPDX-License-Identifier: GPL-3.0-or-later
// The header templates a new assembler source starts with, one per target shell, kept
// as .hdr files in the program directory. The first "|" of a template marks where the
// caret goes; it is not part of the new text.
#pragma once

#include "assemble/ShellTarget.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::editor {

// Each target shell has one template, named by Describe(target).headerTemplate.

// The built-in text, lines ending in CR LF.
std::string_view DefaultHeaderText(assemble::ShellTarget target);

// The template's file text, or nothing when it cannot be read.
std::optional<std::string> ReadHeaderTemplate(const std::filesystem::path &programDirectory,
                                              assemble::ShellTarget target);
// Returns an empty string on success, otherwise what failed.
std::string WriteHeaderTemplate(const std::filesystem::path &programDirectory,
                                assemble::ShellTarget target, std::string_view text);

struct TextWithCaret {
    std::string text;
    std::size_t caret = 0; // byte offset into text
};

// Takes the first "|" out of a template and puts the caret where it stood; without
// one, the caret goes to the end. Line breaks become CR LF first, so the offset counts
// each of them as two characters, as the editor does.
TextWithCaret PlaceTemplateCaret(std::string_view templateText);

} // namespace vexil::editor
