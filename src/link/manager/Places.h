// SPDX-License-Identifier: GPL-3.0-or-later
// The places the Link Manager offers where a drive list would be: the home
// folder, the root and the volumes a user mounts (USB sticks, other disks).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vexil::link::manager {

// Whether a mounted volume is one a user keeps files on, from its mount point
// and device: removable media and other disks, not the system's own mounts
// (/proc, /sys, /dev, /run, /boot, snaps) and not the root, which is offered anyway.
bool IsUserVolume(const std::string &mountPoint, const std::string &device);

// The place whose folder holds `folder` most closely (the longest match), or
// nothing when none does.
std::optional<std::size_t> PlaceOf(const std::vector<std::filesystem::path> &places,
                                   const std::filesystem::path &folder);

} // namespace vexil::link::manager
