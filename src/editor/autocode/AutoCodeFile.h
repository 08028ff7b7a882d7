// SPDX-License-Identifier: GPL-3.0-or-later
// The AutoCode library file, autocode.txt: one entry per line, lines ending in CR LF.
// An entry is "name|code"; inside the file every line break of the code is the single
// byte 87 hex, so that a multi-line snippet still takes exactly one line.
//
// Entries are held as UTF-8. A file is written back in the encoding it was read in:
// - 8-bit (Latin-1): every byte 87 is a line break, as in the classic form;
// - UTF-8: read as such when it is valid UTF-8 with every byte 87 a line break;
// - UTF-8 with a byte order mark: there a byte 87 that continues a character is part
//   of it, so characters such as "Ç" (C3 87) can be stored.
// A library that no longer fits its encoding moves to the next of these that holds
// every character, so saving never loses one. Plain ASCII is the same in all three.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexil::editor {

inline constexpr std::uint8_t kAutoCodeLineBreak = 0x87;

enum class AutoCodeEncoding { Utf8, Latin1, Utf8WithMark };

struct AutoCodeFileContents {
    std::vector<std::string> entries;
    AutoCodeEncoding encoding = AutoCodeEncoding::Utf8;
};

// The entries of the file, in order, each line break restored as CR LF. Empty lines
// are skipped: they would give entries without a name.
AutoCodeFileContents DecodeAutoCodeFile(std::span<const std::uint8_t> bytes);

// The file for these entries, in `encoding` where it holds them all. Every line break
// inside an entry (CR LF, a lone CR or a lone LF) becomes byte 87, so no entry can
// ever spill onto a second line.
std::vector<std::uint8_t> EncodeAutoCodeFile(const std::vector<std::string> &entries,
                                             AutoCodeEncoding encoding = AutoCodeEncoding::Utf8);

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
