// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/AtomicFile.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vexil::varfile {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    std::size_t entriesInFolder() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    vexil::testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

TEST_F(AtomicFileTest, WritesReplacesAndReadsBack)
{
    const fs::path target = folder_ / "PROG.83p";
    const std::vector<std::uint8_t> first = {1, 2, 3};
    ASSERT_FALSE(WriteFileAtomically(target, first));
    EXPECT_EQ(ReadWholeFile(target).bytes, first);

    // Replacing keeps the permissions the user gave the file, and leaves no
    // temporary file behind.
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    const std::vector<std::uint8_t> second(200000, 0x5A);
    ASSERT_FALSE(WriteFileAtomically(target, second));
    EXPECT_EQ(ReadWholeFile(target).bytes, second);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entriesInFolder(), 1u);

    // An empty file is a file too.
    ASSERT_FALSE(WriteFileAtomically(target, {}));
    const ReadResult empty = ReadWholeFile(target);
    EXPECT_TRUE(empty.ok());
    EXPECT_TRUE(empty.bytes.empty());
}

TEST_F(AtomicFileTest, FailuresLeaveTargetAndFolderAlone)
{
    // A folder that does not exist: error names the path, nothing is created.
    const fs::path missing = folder_ / "nowhere" / "X.82p";
    const auto error = WriteFileAtomically(missing, std::vector<std::uint8_t>{1});
    ASSERT_TRUE(error);
    EXPECT_NE(error->message.find("X.82p"), std::string::npos);
    EXPECT_EQ(entriesInFolder(), 0u);

    // A target that is a folder cannot be replaced; the temporary file is removed.
    const fs::path folderTarget = folder_ / "sub";
    fs::create_directories(folderTarget / "inner");
    EXPECT_TRUE(WriteFileAtomically(folderTarget, std::vector<std::uint8_t>{1}));
    EXPECT_EQ(entriesInFolder(), 1u);

    // Reading a missing file or a folder is an error, not an empty file.
    EXPECT_FALSE(ReadWholeFile(folder_ / "absent").ok());
    EXPECT_FALSE(ReadWholeFile(folderTarget).ok());

    // A device that never ends is refused once it passes the limit, and a file
    // of exactly the limit is still read whole.
    const ReadResult endless = ReadWholeFile("/dev/zero", 100000);
    ASSERT_FALSE(endless.ok());
    EXPECT_NE(endless.error->message.find("larger than 100000 bytes"), std::string::npos);
    EXPECT_TRUE(endless.bytes.empty());
    const fs::path exact = folder_ / "exact";
    ASSERT_FALSE(WriteFileAtomically(exact, std::vector<std::uint8_t>(100, 7)));
    EXPECT_EQ(ReadWholeFile(exact, 100).bytes.size(), 100u);
    EXPECT_FALSE(ReadWholeFile(exact, 99).ok());
}

TEST_F(AtomicFileTest, SavesThroughLinks)
{
    // The file a link points at gets the bytes; the link stays a link.
    const fs::path real = folder_ / "REAL.82p";
    const fs::path link = folder_ / "LINK.82p";
    ASSERT_FALSE(WriteFileAtomically(real, std::vector<std::uint8_t>{1}));
    fs::create_symlink(real.filename(), link);
    ASSERT_FALSE(WriteFileAtomically(link, std::vector<std::uint8_t>{2, 3}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(real).bytes, (std::vector<std::uint8_t>{2, 3}));
    EXPECT_EQ(entriesInFolder(), 2u);
}

TEST_F(AtomicFileTest, RespectsReadOnlyFiles)
{
    // A read-only file is not replaced behind the user's back (an administrator
    // may write anything, so there is nothing to see when the tests run as one).
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root";
    }
    const fs::path real = folder_ / "REAL.82p";
    ASSERT_FALSE(WriteFileAtomically(real, std::vector<std::uint8_t>{2, 3}));
    ASSERT_EQ(::chmod(real.c_str(), 0444), 0);
    const auto refused = WriteFileAtomically(real, std::vector<std::uint8_t>{4});
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->message.find("REAL.82p"), std::string::npos);
    EXPECT_EQ(ReadWholeFile(real).bytes, (std::vector<std::uint8_t>{2, 3}));
    EXPECT_EQ(entriesInFolder(), 1u);
}

} // namespace
} // namespace vexil::varfile
