// SPDX-License-Identifier: GPL-3.0-or-later
// Taking a variable file apart. The parser trusts nothing it reads: every length
// is checked against the bytes that are really there, and each disagreement is
// recorded as a problem with its file offset instead of stopping the parse, so a
// caller can still use whatever entries are intact (the editors' loaders accept
// a wrong checksum silently) or refuse the file.
#pragma once

#include "base/FileIo.h"
#include "varfile/CalcModel.h"
#include "varfile/Comments.h"
#include "varfile/VarFile.h"
#include "varfile/VarNames.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vexil::varfile {

enum class VarFileProblem {
    ShortFile,             // ends inside the 55-byte header; nothing else was read
    BadSignature,          // first 11 bytes are not "**TI82**"/"**TI83**" and 1A 0A 00
    MissingChecksum,       // no room left for the 2 checksum bytes
    SectionLengthMismatch, // length at offset 53 disagrees with the file size
    UnknownEntryHeader,    // an entry header length other than 11 or 9
    EntryTruncated,        // an entry's header or data runs past the data section
    EntryLengthsDisagree,  // the two data length fields of an entry differ
    ChecksumMismatch,      // stored checksum differs from the byte sum
};

struct VarFileIssue {
    VarFileProblem problem;
    std::size_t offset; // where in the file the problem was found
    std::string message;
};

struct ParsedEntry {
    std::size_t offset = 0;         // of the entry's header length field
    std::uint16_t headerLength = 0; // 11 for a variable, 9 for a backup
    std::uint8_t typeId = 0;
    VarName name{};                 // for a backup: the 6 header bytes after the type id
    std::size_t dataOffset = 0;     // of the first data byte
    std::uint16_t dataLength = 0;   // as stored (the first length field)
    Bytes data;                     // the bytes actually present, at most dataLength
    std::vector<Bytes> backupParts; // parts 2 and 3 of a backup, empty otherwise
};

struct VarFileContents {
    CalcModel model = CalcModel::TI83;
    Bytes signature; // the first 8 bytes as stored
    Comment comment{};
    std::uint16_t storedSectionLength = 0;
    std::uint16_t storedChecksum = 0;
    std::uint16_t computedChecksum = 0;
    std::vector<ParsedEntry> entries;
    std::vector<VarFileIssue> issues;

    bool hasProblem(VarFileProblem problem) const;
    // The header was there and every entry was read whole; the stored checksum
    // and section length may still disagree.
    bool complete() const;
    // Nothing at all disagrees with the contents.
    bool intact() const { return issues.empty(); }
    // The comment text without the writer's padding (trailing 00 bytes and spaces).
    std::string commentText() const;
};

VarFileContents ParseVarFile(ByteView file);

// The largest file the 16-bit data-section length allows: header, section, checksum.
inline constexpr std::size_t kMaxVarFileSize = kHeaderSize + kMaxSectionLength + 2;

// Reads a calculator variable file whole. A larger file than kMaxVarFileSize is
// refused before it is read, with a message that says why.
base::ReadResult ReadVarFileBytes(const std::filesystem::path &path);

} // namespace vexil::varfile
