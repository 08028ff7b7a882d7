// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/SafeFileName.h"

namespace vexil::varfile {

bool IsSafeNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '@';
}

std::filesystem::path SafeVarFilePath(const std::filesystem::path &folder,
                                      const std::string &proposed)
{
    // The folder part is the caller's; only what the naming function added after
    // it stems from the calculator.
    std::string leaf;
    const std::string prefix = (folder / "").string();
    if (!folder.empty() && proposed.size() > prefix.size() &&
        proposed.compare(0, prefix.size(), prefix) == 0) {
        leaf = proposed.substr(prefix.size());
    } else {
        leaf = std::filesystem::path(proposed).filename().string();
    }
    if (leaf.empty()) {
        return {};
    }
    const size_t dot = leaf.rfind('.');
    std::string stem = leaf.substr(0, dot);
    std::string extension = dot == std::string::npos ? std::string() : leaf.substr(dot + 1);
    for (std::string *part : {&stem, &extension}) {
        for (char &c : *part) {
            if (!IsSafeNameCharacter(c)) {
                c = '_';
            }
        }
    }
    if (stem.empty()) {
        stem.push_back('_');
    }
    if (dot != std::string::npos) {
        stem.append(1, '.').append(extension);
    }
    return folder / stem;
}

} // namespace vexil::varfile
