// SPDX-License-Identifier: GPL-3.0-or-later
// What the assembler leaves on a real disk: its object and listing replace regular
// files the way every save does, and never replace a pipe or a device.
#include "base/FileIo.h"
#include "support/ScratchFolder.h"
#include "tasm/FileSystem.h"
#include "tasm/Tasm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace vexil::tasm {
namespace {

namespace fs = std::filesystem;
using vexil::testing::ReadText;
using vexil::testing::WriteText;

// Lets a reader still waiting in its open of `pipe` go, so a failure cannot hang.
void ReleaseReader(const fs::path &pipe)
{
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) {
        ::close(writer);
    }
}

class DiskOutputTest : public ::testing::Test {
protected:
    void SetUp() override { WriteText(source_, " .org 0\n .db 41h,42h\n .end\n"); }

    int assemble(const fs::path &object, const fs::path &listing)
    {
        DiskFileSystem disk;
        console_.clear();
        return RunTasm({"-80", "-b", source_.string(), object.string(), listing.string()}, {}, disk,
                       console_);
    }

    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(scratch_.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    vexil::testing::ScratchFolder scratch_;
    const fs::path source_ = scratch_ / "prog.asm";
    std::string console_;
};

TEST_F(DiskOutputTest, OutputsKeepTheirPermissionsAndClearStaleTemporaries)
{
    const fs::path object = scratch_ / "prog.obj";
    WriteText(object, "old");
    ASSERT_EQ(::chmod(object.c_str(), 0600), 0);
    // What a save killed in this folder would have left.
    const fs::path stale = scratch_ / ".vexil-Stale00000.tmp";
    WriteText(stale, "half");

    ASSERT_EQ(assemble(object, scratch_ / "prog.lst"), 0);
    EXPECT_EQ(ReadText(object), "AB");
    struct stat info {};
    ASSERT_EQ(::stat(object.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::is_regular_file(scratch_ / "prog.lst"));
}

TEST_F(DiskOutputTest, ListingOfManyPiecesArrivesWholeAndInOrder)
{
    const int lines = 6000; // a listing of some 400 KB
    std::string source = " .org 0\n";
    for (int i = 2; i < lines; ++i) {
        source += " .db " + std::to_string(i % 256) + " ; line " + std::to_string(i) + "\n";
    }
    source += " .end\n";
    WriteText(source_, source);
    const fs::path listing = scratch_ / "prog.lst";
    ASSERT_EQ(assemble(scratch_ / "prog.obj", listing), 0) << console_;

    std::istringstream rows(ReadText(listing));
    std::string row;
    int number = 0;
    while (number < lines && std::getline(rows, row)) {
        ++number;
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04d", number);
        ASSERT_EQ(row.substr(0, 4), expected) << row;
        if (number > 1 && number < lines) {
            ASSERT_TRUE(row.ends_with("; line " + std::to_string(number))) << row;
        }
    }
    EXPECT_EQ(number, lines);
    std::getline(rows, row);
    EXPECT_EQ(row, "tasm: Number of errors = 0");
    EXPECT_FALSE(std::getline(rows, row));
    EXPECT_EQ(entries(), (std::vector<std::string>{"prog.asm", "prog.lst", "prog.obj"}));
}

TEST_F(DiskOutputTest, FailedRunsLeaveEarlierOutputsAndNoTemporaries)
{
    // The second pass takes the other branch, once `flag` is known, and stops at
    // an include file that is not there; the listing was being written by then.
    const fs::path object = scratch_ / "prog.obj";
    const fs::path listing = scratch_ / "prog.lst";
    WriteText(object, "old object");
    WriteText(listing, "old listing");
    WriteText(source_, " .org 0\n nop\n#if flag\n#else\n#include \"gone.inc\"\n#endif\n"
                       "flag .equ 0\n .end\n");
    EXPECT_EQ(assemble(object, listing), 3);
    EXPECT_NE(console_.find("tasm: source file open error on gone.inc"), std::string::npos);
    EXPECT_EQ(ReadText(object), "old object");
    EXPECT_EQ(ReadText(listing), "old listing");
    EXPECT_EQ(entries(), (std::vector<std::string>{"prog.asm", "prog.lst", "prog.obj"}));

    // A listing that cannot be written is reported after the object is in place.
    WriteText(source_, " .org 0\n .db 41h,42h\n .end\n");
    const fs::path nowhere = scratch_ / "nowhere" / "prog.lst";
    EXPECT_EQ(assemble(object, nowhere), 3);
    EXPECT_NE(console_.find("tasm: file open error on " + nowhere.string()), std::string::npos);
    EXPECT_EQ(ReadText(object), "AB");
    EXPECT_EQ(entries(), (std::vector<std::string>{"prog.asm", "prog.lst", "prog.obj"}));
}

TEST_F(DiskOutputTest, PipeAndDeviceOutputsAreWrittenInPlace)
{
    const fs::path pipe = scratch_ / "object.pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ReadText(pipe); });
    const fs::path nullDevice = scratch_ / "null";
    const bool haveDevice = ::mknod(nullDevice.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    const fs::path listing = haveDevice ? nullDevice : scratch_ / "prog.lst";

    // The pipe may not have its reader yet on the first try.
    int code = assemble(pipe, listing);
    for (int tries = 0; code != 0 && tries < 200; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        code = assemble(pipe, listing);
    }
    ReleaseReader(pipe);
    reader.join();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(received, "AB");
    EXPECT_TRUE(fs::is_fifo(pipe));
    if (haveDevice) {
        EXPECT_TRUE(fs::is_character_file(nullDevice));
    }
}

} // namespace
} // namespace vexil::tasm
