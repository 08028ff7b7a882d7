// SPDX-License-Identifier: GPL-3.0-or-later
// The header templates a new assembler source starts with, one per target shell, kept
// as .hdr files in the program directory. The first "|" of a template marks where the
// caret goes; it is not part of the new text.
#pragma once

#include "app/Options.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vexil::editor {

// In the order of the target shells: Ash 3.0, CrASH 1.3, TI-83 in-built, AShell83 1.0.
enum class HeaderTemplate { Ash30 = 0, CrASH13 = 1, TI83 = 2, AShell83 = 3 };
inline constexpr std::size_t kHeaderTemplateCount = 4;

inline constexpr std::array<HeaderTemplate, kHeaderTemplateCount> kHeaderTemplates = {
    HeaderTemplate::Ash30, HeaderTemplate::CrASH13, HeaderTemplate::TI83, HeaderTemplate::AShell83};

// "Ash30.hdr", "CrASH13.hdr", "TI83.hdr", "AShell83.hdr".
std::string_view HeaderTemplateFileName(HeaderTemplate which);
// The built-in text, lines ending in CR LF.
std::string_view DefaultHeaderText(HeaderTemplate which);
// The template of the current development mode and its target shell.
HeaderTemplate HeaderTemplateFor(const app::Options &options);

// The template's file text, or nothing when it cannot be read.
std::optional<std::string> ReadHeaderTemplate(const std::filesystem::path &programDirectory,
                                              HeaderTemplate which);
// Returns an empty string on success, otherwise what failed.
std::string WriteHeaderTemplate(const std::filesystem::path &programDirectory, HeaderTemplate which,
                                std::string_view text);

struct TextWithCaret {
    std::string text;
    std::size_t caret = 0; // byte offset into text
};

// Takes the first "|" out of a template and puts the caret where it stood; without
// one, the caret goes to the end. Line breaks become CR LF first, so the offset counts
// each of them as two characters, as the editor does.
TextWithCaret PlaceTemplateCaret(std::string_view templateText);

} // namespace vexil::editor
