// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/VarFileReader.h"

#include "varfile/VarFile.h"

#include <algorithm>

namespace vexil::varfile {

namespace {

std::uint16_t WordAt(ByteView bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::string Hex(std::size_t value)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    while (out.size() < 4) {
        out.insert(out.begin(), '0');
    }
    return out;
}

class SectionReader {
public:
    SectionReader(ByteView file, std::size_t end, VarFileContents &contents)
        : file_(file), end_(end), contents_(contents)
    {
    }

    void readEntries()
    {
        std::size_t pos = kFirstEntryOffset;
        while (pos < end_) {
            if (!fits(pos, 2)) {
                truncated(pos, "entry header length");
                return;
            }
            const std::uint16_t headerLength = WordAt(file_, pos);
            bool ok = false;
            if (headerLength == kVariableHeaderLength) {
                ok = readVariable(pos);
            } else if (headerLength == kBackupHeaderLength) {
                ok = readBackup(pos);
            } else {
                issue(VarFileProblem::UnknownEntryHeader, pos,
                      "entry header length " + std::to_string(headerLength) +
                          " is neither 11 (variable) nor 9 (backup)");
            }
            if (!ok) {
                return;
            }
            pos = nextPos_;
        }
    }

private:
    bool fits(std::size_t pos, std::size_t count) const
    {
        return pos <= end_ && count <= end_ - pos;
    }

    void issue(VarFileProblem problem, std::size_t offset, std::string message)
    {
        contents_.issues.push_back({problem, offset, std::move(message)});
    }

    void truncated(std::size_t offset, const std::string &what)
    {
        issue(VarFileProblem::EntryTruncated, offset,
              "the data section ends inside the " + what + " at offset " + Hex(offset));
    }

    // Copies up to `length` bytes from `pos`; false when fewer are there.
    bool takeBytes(std::size_t pos, std::size_t length, Bytes &out, const std::string &what)
    {
        const std::size_t available = pos <= end_ ? std::min(length, end_ - pos) : 0;
        out.assign(file_.begin() + static_cast<std::ptrdiff_t>(pos),
                   file_.begin() + static_cast<std::ptrdiff_t>(pos + available));
        if (available < length) {
            issue(VarFileProblem::EntryTruncated, pos,
                  what + " at offset " + Hex(pos) + " declares " + std::to_string(length) +
                      " bytes but only " + std::to_string(available) + " are there");
            return false;
        }
        nextPos_ = pos + length;
        return true;
    }

    bool readVariable(std::size_t pos)
    {
        if (!fits(pos, kEntryOverhead)) {
            truncated(pos, "entry header");
            return false;
        }
        ParsedEntry entry;
        entry.offset = pos;
        entry.headerLength = kVariableHeaderLength;
        entry.dataLength = WordAt(file_, pos + 2);
        entry.typeId = file_[pos + 4];
        std::copy_n(file_.begin() + static_cast<std::ptrdiff_t>(pos + 5), entry.name.size(),
                    entry.name.begin());
        const std::uint16_t repeated = WordAt(file_, pos + 13);
        if (repeated != entry.dataLength) {
            issue(VarFileProblem::EntryLengthsDisagree, pos + 13,
                  "the entry at offset " + Hex(pos) + " gives its data length as " +
                      std::to_string(entry.dataLength) + " and as " + std::to_string(repeated));
        }
        entry.dataOffset = pos + kEntryOverhead;
        const bool whole =
            takeBytes(entry.dataOffset, entry.dataLength, entry.data, "the entry data");
        contents_.entries.push_back(std::move(entry));
        return whole;
    }

    // A backup: header length 9, size of part 1, type id, sizes of parts 2 and 3,
    // two more bytes, then each part after a 2-byte length of its own.
    bool readBackup(std::size_t pos)
    {
        if (!fits(pos, 2 + kBackupHeaderLength + 2)) {
            truncated(pos, "backup header");
            return false;
        }
        ParsedEntry entry;
        entry.offset = pos;
        entry.headerLength = kBackupHeaderLength;
        entry.dataLength = WordAt(file_, pos + 2);
        entry.typeId = file_[pos + 4];
        std::copy_n(file_.begin() + static_cast<std::ptrdiff_t>(pos + 5), 6, entry.name.begin());
        entry.dataOffset = pos + 2 + kBackupHeaderLength + 2;
        bool whole = takeBytes(entry.dataOffset, entry.dataLength, entry.data, "backup part 1");
        for (std::size_t part = 0; whole && part < 2; ++part) {
            const std::size_t lengthPos = nextPos_;
            if (!fits(lengthPos, 2)) {
                truncated(lengthPos, "length of backup part " + std::to_string(part + 2));
                whole = false;
                break;
            }
            Bytes bytes;
            whole = takeBytes(lengthPos + 2, WordAt(file_, lengthPos), bytes,
                              "backup part " + std::to_string(part + 2));
            entry.backupParts.push_back(std::move(bytes));
        }
        contents_.entries.push_back(std::move(entry));
        return whole;
    }

    ByteView file_;
    std::size_t end_;
    VarFileContents &contents_;
    std::size_t nextPos_ = 0;
};

} // namespace

bool VarFileContents::hasProblem(VarFileProblem problem) const
{
    return std::any_of(issues.begin(), issues.end(),
                       [problem](const VarFileIssue &found) { return found.problem == problem; });
}

bool VarFileContents::complete() const
{
    return !hasProblem(VarFileProblem::ShortFile) && !hasProblem(VarFileProblem::MissingChecksum) &&
           !hasProblem(VarFileProblem::UnknownEntryHeader) &&
           !hasProblem(VarFileProblem::EntryTruncated);
}

std::string VarFileContents::commentText() const
{
    std::size_t length = comment.size();
    while (length > 0 && (comment[length - 1] == 0x00 || comment[length - 1] == ' ')) {
        --length;
    }
    // A writer pads with 00 after its text; anything past the first 00 is padding.
    const auto terminator = std::find(comment.begin(), comment.begin() + length, 0x00);
    return std::string(comment.begin(), terminator);
}

VarFileContents ParseVarFile(ByteView file)
{
    VarFileContents contents;
    contents.model = ReadVarFileModel(file);
    contents.signature.assign(file.begin(), file.begin() + std::min(file.size(), kSignatureSize));
    if (file.size() < kHeaderSize) {
        contents.issues.push_back({VarFileProblem::ShortFile, file.size(),
                                   "the file is " + std::to_string(file.size()) +
                                       " bytes long, shorter than the 55-byte header"});
        return contents;
    }
    const Bytes expected = SignatureBytes(contents.model);
    if (!std::equal(expected.begin(), expected.end(), file.begin())) {
        contents.issues.push_back(
            {VarFileProblem::BadSignature, 0,
             "the file does not start with \"**TI82**\" or \"**TI83**\" and 1A 0A 00"});
    }
    std::copy_n(file.begin() + 11, kCommentSize, contents.comment.begin());
    contents.storedSectionLength = WordAt(file, kSectionLengthOffset);

    if (file.size() < kHeaderSize + 2) {
        contents.issues.push_back(
            {VarFileProblem::MissingChecksum, file.size(), "the file ends before its checksum"});
        return contents;
    }
    // The file's real end decides where the checksum is, as the calculators'
    // loaders go by the file size; the stored length is only compared with it.
    const std::size_t sectionEnd = file.size() - 2;
    const std::size_t sectionLength = sectionEnd - kHeaderSize;
    if (sectionLength != contents.storedSectionLength) {
        contents.issues.push_back({VarFileProblem::SectionLengthMismatch, kSectionLengthOffset,
                                   "the header gives the data section as " +
                                       std::to_string(contents.storedSectionLength) +
                                       " bytes but the file holds " +
                                       std::to_string(sectionLength)});
    }
    SectionReader(file, sectionEnd, contents).readEntries();

    contents.storedChecksum = WordAt(file, sectionEnd);
    contents.computedChecksum = ByteSum(file.subspan(kHeaderSize, sectionLength));
    if (contents.storedChecksum != contents.computedChecksum) {
        contents.issues.push_back({VarFileProblem::ChecksumMismatch, sectionEnd,
                                   "stored checksum " + Hex(contents.storedChecksum) +
                                       " differs from the byte sum " +
                                       Hex(contents.computedChecksum)});
    }
    return contents;
}

base::ReadResult ReadVarFileBytes(const std::filesystem::path &path)
{
    base::ReadResult read = base::ReadWholeFile(path, kMaxVarFileSize);
    if (read.error && read.error->problem == base::IoProblem::TooLarge) {
        read.error->message = path.string() +
                              " is larger than a calculator variable file can be (at most " +
                              std::to_string(kMaxVarFileSize) + " bytes)";
    }
    return read;
}

} // namespace vexil::varfile
