// SPDX-License-Identifier: GPL-3.0-or-later
// Which mounted volumes the place list offers, and which place holds a folder.
#include "link/manager/Places.h"

#include <gtest/gtest.h>

using namespace vexil::link::manager;

TEST(Places, UserVolumesAreMediaAndOtherDisks)
{
    EXPECT_TRUE(IsUserVolume("/media/ann/STICK", "/dev/sdb1"));
    EXPECT_TRUE(IsUserVolume("/run/media/ann/STICK", "/dev/sdb1"));
    EXPECT_TRUE(IsUserVolume("/mnt/share", "server:/export")); // mounted by hand
    EXPECT_TRUE(IsUserVolume("/home", "/dev/nvme0n1p3"));
    EXPECT_TRUE(IsUserVolume("/data", "/dev/mapper/vg-data"));

    EXPECT_FALSE(IsUserVolume("/", "/dev/sda1"));
    EXPECT_FALSE(IsUserVolume("/boot/efi", "/dev/sda1"));
    EXPECT_FALSE(IsUserVolume("/run/user/1000", "tmpfs"));
    EXPECT_FALSE(IsUserVolume("/proc", "proc"));
    EXPECT_FALSE(IsUserVolume("/dev/shm", "tmpfs"));
    EXPECT_FALSE(IsUserVolume("/snap/core/1", "/dev/loop3"));
    EXPECT_FALSE(IsUserVolume("/opt/app.AppImage", "/dev/loop9"));
    EXPECT_FALSE(IsUserVolume("/tmp", "tmpfs"));
    EXPECT_FALSE(IsUserVolume("/mediaX", "tmpfs")); // a name that only starts alike
}

TEST(Places, TheLongestPlaceHoldingTheFolderWins)
{
    const std::vector<std::filesystem::path> places = {"/home/ann", "/", "/media/ann/STICK"};
    EXPECT_EQ(PlaceOf(places, "/home/ann/calc"), 0u);
    EXPECT_EQ(PlaceOf(places, "/home/ann"), 0u);
    EXPECT_EQ(PlaceOf(places, "/home/annex"), 1u);
    EXPECT_EQ(PlaceOf(places, "/media/ann/STICK/a/../b"), 2u);
    EXPECT_EQ(PlaceOf(places, "/etc"), 1u);
    EXPECT_FALSE(PlaceOf({"/home/ann"}, "/etc"));
}
