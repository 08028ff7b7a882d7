// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/transfer/SafeFileName.h"

namespace vexil::link::transfer {

std::filesystem::path SafeReceivePath(const std::filesystem::path &folder,
                                      const std::string &proposed)
{
    // The folder part is the caller's; only what the naming function added after
    // it stems from the calculator.
    std::string leaf;
    const std::string prefix = (folder / "").string();
    if (!folder.empty() && proposed.size() > prefix.size() &&
        proposed.compare(0, prefix.size(), prefix) == 0)
        leaf = proposed.substr(prefix.size());
    else
        leaf = std::filesystem::path(proposed).filename().string();
    if (leaf.empty())
        return {};
    for (char &c : leaf) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '/' || c == '\\')
            c = '_';
    }
    if (leaf[0] == '.')
        leaf[0] = '_';
    return folder / leaf;
}

} // namespace vexil::link::transfer
