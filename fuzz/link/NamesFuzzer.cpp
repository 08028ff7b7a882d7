// SPDX-License-Identifier: GPL-3.0-or-later
// Any header into the receive names, and any name into the folder rule: the
// file always lands in the folder, under a name of letters, digits, "_" and
// one extension, that no shell or command line takes for more.
#include "link/ReceiveName.h"
#include "varfile/SafeFileName.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path kFolder = "/data/recv";

void CheckSafe(const fs::path &path)
{
    if (path.empty()) {
        return;
    }
    if (path.parent_path() != kFolder) {
        __builtin_trap();
    }
    const std::string leaf = path.filename().string();
    if (leaf.empty() || leaf[0] == '.' || leaf[0] == '-') {
        __builtin_trap();
    }
    int dots = 0;
    for (char c : leaf) {
        if (c == '.') {
            ++dots;
        } else if (c != '_' && !vexil::varfile::IsSafeNameCharacter(c)) {
            __builtin_trap();
        }
    }
    if (dots > 1) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096) {
        return 0;
    }
    const std::span<const uint8_t> bytes(data, size);
    const std::string name = vexil::link::MakeReceiveName(bytes, kFolder);
    if (!name.empty()) {
        CheckSafe(name);
        if (vexil::varfile::SafeVarFilePath(kFolder, name) != fs::path(name)) {
            __builtin_trap(); // the naming function's own names pass unchanged
        }
    }
    CheckSafe(vexil::varfile::SafeVarFilePath(
        kFolder, std::string(reinterpret_cast<const char *>(data), size)));
    return 0;
}
