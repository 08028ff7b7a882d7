// SPDX-License-Identifier: GPL-3.0-or-later
// The AutoCode library file, autocode.txt: one entry per line, lines ending in CR LF.
// An entry is "name|code"; inside the file every line break of the code is the single
// byte 87 hex, so that a multi-line snippet still takes exactly one line.
//
// Entries are held as UTF-8 and written as UTF-8, which leaves a file of plain ASCII
// snippets byte for byte in the classic 8-bit form. Reading accepts both: a file that
// is UTF-8 apart from its byte-87 breaks is read as UTF-8, where a byte 87 that
// continues a character stays part of it; any other file is read as Latin-1.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::editor {

inline constexpr std::uint8_t kAutoCodeLineBreak = 0x87;

// The entries of the file, in order, each line break restored as CR LF. Empty lines
// are skipped: they would give entries without a name.
std::vector<std::string> DecodeAutoCodeFile(std::span<const std::uint8_t> bytes);

// The file for these entries. Every line break inside an entry (CR LF, a lone CR or a
// lone LF) becomes byte 87, so no entry can ever spill onto a second line.
std::vector<std::uint8_t> EncodeAutoCodeFile(const std::vector<std::string> &entries);

// The part before the first "|" (the whole text when there is none).
std::string_view AutoCodeName(std::string_view entry);
// Everything after the first "|", further "|" included (empty when there is none).
std::string_view AutoCodeCode(std::string_view entry);
std::string MakeAutoCodeEntry(std::string_view name, std::string_view code);

enum class AutoCodeNameCheck { Ok, ContainsPipe, Duplicate };

// Whether name may be given to an entry. Names compare without regard to ASCII case;
// the entry at index `ignore` (the one being renamed) does not count as a duplicate.
AutoCodeNameCheck CheckAutoCodeName(const std::vector<std::string> &entries, std::string_view name,
                                    std::size_t ignore = static_cast<std::size_t>(-1));

} // namespace vexil::editor
