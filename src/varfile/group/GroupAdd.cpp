// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/GroupAdd.h"

#include "base/AsciiText.h"
#include "base/FileIo.h"
#include "varfile/VarFile.h"
#include "varfile/VarFileReader.h"

namespace vexil::group {

namespace {

std::string ModelDigit(CalcModel model)
{
    return model == CalcModel::TI82 ? "2" : "3";
}

AddedFile Refused(std::string message)
{
    AddedFile added;
    added.refusal = std::move(message);
    return added;
}

} // namespace

AddedFile ReadFileForGroup(const std::filesystem::path &path, CalcModel model)
{
    const std::string shown = path.string();
    const std::string extension = path.extension().string();
    if (extension.size() != 4 || extension[2] != ModelDigit(model)[0]) {
        return Refused("Cannot add " + shown + ".  This file is not a TI-8" + ModelDigit(model) +
                       " file.");
    }
    const char kind = base::AsciiLower(extension[3]);
    if (kind == 'b' || kind == 'g') {
        return Refused("Cannot add a group or a backup to a group file.");
    }
    const std::string readError = "Error reading file " + shown + ".";
    const base::ReadResult read = varfile::ReadVarFileBytes(path);
    if (!read.ok() || read.bytes.size() < varfile::kFirstEntryOffset) {
        return Refused(readError);
    }
    const std::size_t length = read.bytes[varfile::kSectionLengthOffset] |
                               (read.bytes[varfile::kSectionLengthOffset + 1] << 8);
    if (read.bytes.size() - varfile::kFirstEntryOffset < length) {
        return Refused(readError);
    }
    AddedFile added;
    const auto first = read.bytes.begin() + varfile::kFirstEntryOffset;
    added.element.assign(first, first + static_cast<std::ptrdiff_t>(length));
    if (!IsWholeElement(added.element)) {
        return Refused(readError);
    }
    return added;
}

} // namespace vexil::group
