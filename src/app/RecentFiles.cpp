// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecentFiles.h"

namespace fs = std::filesystem;

namespace vexil::app {
namespace {

fs::path CanonicalForm(const fs::path &path)
{
    std::error_code ec;
    fs::path result = fs::weakly_canonical(fs::absolute(path, ec), ec);
    if (ec) {
        return path.lexically_normal();
    }
    return result;
}

std::string EscapeAmpersands(const std::string &text)
{
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&') {
            out += '&';
        }
    }
    return out;
}

} // namespace

bool SamePath(const fs::path &a, const fs::path &b)
{
    return CanonicalForm(a) == CanonicalForm(b);
}

void AddRecentFile(RecentFileList &list, const std::string &path)
{
    std::size_t from = list.size() - 1; // by default the last entry drops out
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!list[i].empty() && SamePath(list[i], path)) {
            from = i;
            break;
        }
    }
    for (std::size_t i = from; i > 0; --i) {
        list[i] = list[i - 1];
    }
    list[0] = CutToShortString(path);
}

std::string RecentFileCaption(int number, const std::string &entry,
                              const fs::path &currentDirectory)
{
    const fs::path path(entry);
    const bool inCurrent = path.has_parent_path() && SamePath(path.parent_path(), currentDirectory);
    const std::string shown = inCurrent ? path.filename().string() : entry;
    return "&" + std::to_string(number) + " " + EscapeAmpersands(shown);
}

} // namespace vexil::app
