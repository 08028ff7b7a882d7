// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/manager/Checksum.h"

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
