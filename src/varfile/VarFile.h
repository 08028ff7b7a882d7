// SPDX-License-Identifier: GPL-3.0-or-later
// The container every calculator variable file uses: a 55-byte header (signature,
// comment, data-section length), one or more entries (header length, data length,
// type id, 8-byte name, data length again, data) and a 16-bit byte-sum checksum
// over the data section. All integers are little-endian 16-bit.
//
// Writing: either assemble a whole file with BuildVarFile, or follow the single
// entry steps WriteVarFileStart / append data / FinishVarFile. Reading: ParseVarFile
// takes any byte buffer apart, never reading past its end, and lists every way in
// which the stored lengths and checksum disagree with the contents.
#pragma once

#include "varfile/CalcModel.h"
#include "varfile/Comments.h"
#include "varfile/VarNames.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vexil::varfile {

inline constexpr std::size_t kSignatureSize = 8;
inline constexpr std::size_t kHeaderSize = 55;          // up to the first entry
inline constexpr std::size_t kSectionLengthOffset = 53; // data-section length
inline constexpr std::size_t kFirstEntryOffset = 55;
inline constexpr std::size_t kTypeIdOffset = 59;  // of the first entry
inline constexpr std::size_t kNameOffset = 60;    // of the first entry
inline constexpr std::size_t kDataOffset = 70;    // of the first entry
inline constexpr std::size_t kEntryOverhead = 15; // entry bytes besides the data
inline constexpr std::uint16_t kVariableHeaderLength = 11;
inline constexpr std::uint16_t kBackupHeaderLength = 9;
// The data section must fit its 16-bit length field.
inline constexpr std::size_t kMaxSectionLength = 0xFFFF;

struct VarEntry {
    std::uint8_t typeId = 0;
    VarName name{};
    Bytes data;
};

// The signature ("**TI82**" or "**TI83**") and the 1A 0A 00 marker of `model`:
// the first 11 bytes of every file.
Bytes SignatureBytes(CalcModel model);

// True when the first 8 bytes are "**TI82**" or "**TI83**"; shorter input is
// never a signature.
bool IsVarFileSignature(ByteView firstBytes);

// The model a file claims: byte 5 "2" means TI-82, anything else (including a file
// too short to have a byte 5) TI-83.
CalcModel ReadVarFileModel(ByteView file);

// Appends the fixed start of a single-entry file to `file` (which should be
// empty): header, comment, entry header with zero length placeholders. The next
// byte appended is the first data byte, at offset 70.
void WriteVarFileStart(Bytes &file, CalcModel model, const Comment &comment, std::uint8_t typeId,
                       const VarName &name);

// Completes a single-entry file begun with WriteVarFileStart: appends the
// checksum and fills in the data-section length, both data lengths and the
// checksum. Returns false, leaving `file` unchanged, when the file is shorter than
// its fixed start or its data section would not fit the 16-bit length field.
[[nodiscard]] bool FinishVarFile(Bytes &file);

// The bytes of one entry as they stand in a data section.
Bytes SerializeVarEntry(const VarEntry &entry);

// A complete file around a ready-made data section (for example the raw entries
// of a group). Returns nothing when the section does not fit 16 bits.
std::optional<Bytes> BuildVarFileFromSection(CalcModel model, const Comment &comment,
                                             ByteView section);

// A complete file holding `entries` in order. Returns nothing when an entry's data
// or the whole data section does not fit the 16-bit length fields.
std::optional<Bytes> BuildVarFile(CalcModel model, const Comment &comment,
                                  const std::vector<VarEntry> &entries);

// The 16-bit wrapping byte sum the checksum is made of.
std::uint16_t ByteSum(ByteView bytes);

} // namespace vexil::varfile
