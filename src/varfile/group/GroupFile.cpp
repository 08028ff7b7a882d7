// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/GroupFile.h"

#include "varfile/VarFile.h"

#include <cstdio>

namespace vexil::group {

namespace {

using varfile::kEntryOverhead;
using varfile::kVariableHeaderLength;

std::uint16_t WordAt(ByteView bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::string AtOffset(const char *what, std::size_t offset)
{
    char hex[24];
    std::snprintf(hex, sizeof hex, "%04zX", offset);
    return std::string("the entry at offset ") + hex + " " + what;
}

// Why the entry starting at `offset` of `bytes` is not whole within `end`, or
// nothing when it is; `length` receives the entry's size then.
std::optional<std::string> EntryFault(ByteView bytes, std::size_t offset, std::size_t end,
                                      std::size_t &length)
{
    if (end - offset < kEntryOverhead) {
        return "runs past the end of the file";
    }
    const std::uint16_t dataLength = WordAt(bytes, offset + 2);
    if (WordAt(bytes, offset) != kVariableHeaderLength) {
        return "is not a variable entry (header length " + std::to_string(WordAt(bytes, offset)) +
               ")";
    }
    if (WordAt(bytes, offset + 13) != dataLength) {
        return "has two data lengths that disagree";
    }
    if (end - offset - kEntryOverhead < dataLength) {
        return "runs past the end of the file";
    }
    length = kEntryOverhead + dataLength;
    return std::nullopt;
}

} // namespace

std::optional<EntrySummary> FirstEntry(ByteView element)
{
    if (element.size() < kEntryOverhead) {
        return std::nullopt;
    }
    EntrySummary summary;
    summary.typeId = element[4];
    std::copy_n(element.begin() + 5, summary.name.size(), summary.name.begin());
    return summary;
}

bool IsWholeElement(ByteView element)
{
    std::size_t offset = 0;
    while (offset < element.size()) {
        std::size_t length = 0;
        if (EntryFault(element, offset, element.size(), length)) {
            return false;
        }
        offset += length;
    }
    return !element.empty();
}

LoadedGroup ParseGroupFile(ByteView file)
{
    LoadedGroup group;
    group.model = varfile::ReadVarFileModel(file);
    if (file.size() < varfile::kFirstEntryOffset + 2) {
        group.problem = "the file ends before its first entry";
        return group;
    }
    const std::size_t end = file.size() - 2; // the checksum follows the entries
    std::size_t offset = varfile::kFirstEntryOffset;
    while (offset < end) {
        std::size_t length = 0;
        if (const auto fault = EntryFault(file, offset, end, length)) {
            group.problem = AtOffset(fault->c_str(), offset);
            break;
        }
        group.elements.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(offset),
                                    file.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    }
    return group;
}

BuiltGroup BuildGroupFile(CalcModel model, const std::vector<GroupElement> &elements,
                          const std::function<void(std::size_t done)> &progress)
{
    BuiltGroup built;
    Bytes section;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (!IsWholeElement(elements[i])) {
            built.error = "Variable " + std::to_string(i + 1) + " of the group is damaged.";
            return built;
        }
        section.insert(section.end(), elements[i].begin(), elements[i].end());
        if (progress) {
            progress(i + 1);
        }
    }
    auto file = varfile::BuildVarFileFromSection(
        model, varfile::WriterComment(varfile::CommentWriter::Group), section);
    if (!file) {
        built.error = "The group is too large: its variables take " +
                      std::to_string(section.size()) +
                      " bytes, and a group file holds at most 65535.";
        return built;
    }
    built.file = std::move(*file);
    return built;
}

} // namespace vexil::group
