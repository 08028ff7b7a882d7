// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfer/ReceivedFile.h"

#include "base/FileIo.h"
#include "link/transfer/TransferView.h"

#include <sys/stat.h>

namespace vexil::link::transfer {

namespace fs = std::filesystem;

bool ReceivedFileExists(const fs::path &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

void WriteReceivedFile(const fs::path &path, std::span<const uint8_t> bytes)
{
    if (auto error = base::WriteFileAtomically(path, bytes, base::AtSymlink::Replace)) {
        throw FileError(error->message + ".");
    }
}

} // namespace vexil::link::transfer
