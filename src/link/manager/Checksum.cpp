// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/manager/Checksum.h"

#include "varfile/FileKind.h"
#include "varfile/VarFile.h"

namespace vexil::link::manager {

namespace {

constexpr std::size_t kChecksumSize = 2;
// Shorter files have no byte between the 55-byte header and the checksum (or
// their checksum lies inside the header): their sum is 0.
constexpr std::size_t kShortestSummed = varfile::kFirstEntryOffset + kChecksumSize;

} // namespace

std::optional<ChecksumReading> ReadChecksum(varfile::ByteView file)
{
    if (file.size() < kChecksumSize) {
        return std::nullopt;
    }
    const std::size_t end = file.size() - kChecksumSize;
    ChecksumReading reading;
    reading.stored = static_cast<std::uint16_t>(file[end] | file[end + 1] << 8);
    if (file.size() >= kShortestSummed) {
        reading.computed = varfile::ByteSum(
            file.subspan(varfile::kFirstEntryOffset, end - varfile::kFirstEntryOffset));
    }
    return reading;
}

ChecksumFix FixChecksumFile(const std::filesystem::path &file)
{
    base::ReadResult read = base::ReadWholeFile(file);
    if (!read.ok()) {
        return {std::nullopt, read.error};
    }
    const std::optional<ChecksumReading> reading = ReadChecksum(read.bytes);
    if (!reading) {
        return {std::nullopt, base::IoError{file.string() + " is too short to hold a checksum"}};
    }
    // The rule is that of the TI-82, TI-83 and TI-83 Plus files only; any other
    // file chosen by mistake would lose its last two bytes.
    switch (const varfile::FileFamily family = varfile::FamilyOfFile(read.bytes)) {
    case varfile::FileFamily::NotCalculator:
        return {reading, base::IoError{file.string() + " is " + varfile::FamilyDescription(family) +
                                       "; its checksum is left alone"}};
    case varfile::FileFamily::OtherCalculator:
        return {reading, base::IoError{file.string() + ": " + varfile::ForeignFileMessage(family)}};
    default:
        break;
    }
    if (reading->correct()) {
        return {reading, std::nullopt};
    }
    const std::size_t end = read.bytes.size() - kChecksumSize;
    read.bytes[end] = static_cast<std::uint8_t>(reading->computed & 0xFF);
    read.bytes[end + 1] = static_cast<std::uint8_t>(reading->computed >> 8);
    return {reading, base::WriteFileAtomically(file, read.bytes)};
}

std::string ChecksumsUpdatedMessage(int fixedFiles)
{
    if (fixedFiles == 1) {
        return "Checksum has been updated.";
    }
    return "Checksums in " + std::to_string(fixedFiles) + " files have been updated.";
}

std::string ChecksumNotFixedMessage(const std::string &fileName, const std::string &reason)
{
    return "The checksum of " + fileName + " could not be updated.\n" + reason;
}

} // namespace vexil::link::manager
