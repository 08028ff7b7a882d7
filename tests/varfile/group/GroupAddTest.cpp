// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/group/GroupAdd.h"

#include "GroupTestFiles.h"
#include "base/FileIo.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace vexil::group {
namespace {

using namespace test;
namespace fs = std::filesystem;

class GroupAdd : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("vexil-group-add-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path write(const std::string &name, const Bytes &bytes)
    {
        const fs::path path = folder_ / name;
        EXPECT_FALSE(base::WriteFileAtomically(path, bytes));
        return path;
    }

    fs::path folder_;
};

TEST_F(GroupAdd, RefusesOtherModelsBackupsAndGroupsByExtension)
{
    const Bytes list = FileOf(CalcModel::TI83, ListL6(), varfile::CommentWriter::List);
    const fs::path ti83List = write("L6.83l", list);
    EXPECT_EQ(ReadFileForGroup(ti83List, CalcModel::TI82).refusal,
              "Cannot add " + ti83List.string() + ".  This file is not a TI-82 file.");
    const fs::path noExtension = write("LIST", list);
    EXPECT_EQ(ReadFileForGroup(noExtension, CalcModel::TI83).refusal,
              "Cannot add " + noExtension.string() + ".  This file is not a TI-83 file.");
    EXPECT_FALSE(ReadFileForGroup(write("L6.83ll", list), CalcModel::TI83).ok());

    for (const char *name : {"other.82G", "other.82g", "backup.82b", "backup.82B"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadFileForGroup(write(name, list), CalcModel::TI82).refusal,
                  "Cannot add a group or a backup to a group file.");
    }
    EXPECT_TRUE(ReadFileForGroup(ti83List, CalcModel::TI83).ok());
}

TEST_F(GroupAdd, AFileWithSeveralVariablesIsOneElement)
{
    const Bytes section = Concat({RealA(), ProgramProg()});
    const AddedFile added =
        ReadFileForGroup(write("two.83n", FileOf(CalcModel::TI83, section)), CalcModel::TI83);
    ASSERT_TRUE(added.ok()) << added.refusal;
    EXPECT_EQ(added.element, section);
    EXPECT_EQ(FirstEntry(added.element)->typeId, 0x00);
}

TEST_F(GroupAdd, UnreadableOrDamagedFilesAreReadErrors)
{
    const Bytes good = FileOf(CalcModel::TI83, Concat({RealA(), ProgramProg()}));
    Bytes pastTheEnd = good;
    pastTheEnd[53] = 0xFF;
    Bytes halfAnEntry = good;
    halfAnEntry[53] = static_cast<std::uint8_t>(RealA().size() + 3);
    halfAnEntry[54] = 0;
    Bytes empty = good;
    empty[53] = empty[54] = 0;
    const std::vector<std::pair<const char *, Bytes>> files = {
        {"header.83n", Bytes(good.begin(), good.begin() + 54)},
        {"past.83n", pastTheEnd},
        {"half.83n", halfAnEntry},
        {"empty.83n", empty},
    };
    for (const auto &[name, bytes] : files) {
        SCOPED_TRACE(name);
        const fs::path path = write(name, bytes);
        EXPECT_EQ(ReadFileForGroup(path, CalcModel::TI83).refusal,
                  "Error reading file " + path.string() + ".");
    }
    const fs::path missing = folder_ / "missing.83n";
    EXPECT_EQ(ReadFileForGroup(missing, CalcModel::TI83).refusal,
              "Error reading file " + missing.string() + ".");
}

} // namespace
} // namespace vexil::group
