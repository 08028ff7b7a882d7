// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/manager/Places.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vexil::link::manager {

namespace {

// `path` is `folder` or lies inside it.
bool IsWithin(std::string_view path, std::string_view folder)
{
    if (folder == "/") {
        return !path.empty() && path.front() == '/';
    }
    return path.substr(0, folder.size()) == folder &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

} // namespace

bool IsUserVolume(const std::string &mountPoint, const std::string &device)
{
    constexpr std::array<std::string_view, 3> kMediaFolders = {"/media", "/mnt", "/run/media"};
    constexpr std::array<std::string_view, 7> kSystemFolders = {"/proc", "/sys",  "/dev", "/run",
                                                                "/boot", "/snap", "/efi"};
    if (mountPoint.empty() || mountPoint == "/") {
        return false;
    }
    const auto within = [&](std::string_view folder) { return IsWithin(mountPoint, folder); };
    if (std::any_of(kMediaFolders.begin(), kMediaFolders.end(), within)) {
        return true;
    }
    if (std::any_of(kSystemFolders.begin(), kSystemFolders.end(), within)) {
        return false;
    }
    // Elsewhere only a disk's own partition, not a memory or network file system.
    return device.rfind("/dev/", 0) == 0 && device.rfind("/dev/loop", 0) != 0;
}

std::optional<std::size_t> PlaceOf(const std::vector<std::filesystem::path> &places,
                                   const std::filesystem::path &folder)
{
    std::optional<std::size_t> best;
    std::size_t bestLength = 0;
    const std::string path = folder.lexically_normal().string();
    for (std::size_t i = 0; i < places.size(); ++i) {
        std::string place = places[i].lexically_normal().string();
        if (place.size() > 1 && place.back() == '/') {
            place.pop_back();
        }
        if (IsWithin(path, place) && (!best || place.size() > bestLength)) {
            best = i;
            bestLength = place.size();
        }
    }
    return best;
}

} // namespace vexil::link::manager
