// SPDX-License-Identifier: GPL-3.0-or-later
// What the assembler leaves on a real disk: its object and listing replace regular
// files the way every save does, and never replace a pipe or a device.
#include "base/FileIo.h"
#include "support/ScratchFolder.h"
#include "tasm/FileSystem.h"
#include "tasm/Tasm.h"

#include <gtest/gtest.h>

#include <fcntl.h>
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
        std::string console;
        return runTasm({"-80", "-b", source_.string(), object.string(), listing.string()}, {}, disk,
                       console);
    }

    vexil::testing::ScratchFolder scratch_;
    const fs::path source_ = scratch_ / "prog.asm";
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
