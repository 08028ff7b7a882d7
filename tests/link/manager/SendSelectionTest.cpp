// SPDX-License-Identifier: GPL-3.0-or-later
// What a drop of files on the calculator sends, refuses and leaves out.
#include "link/manager/SendSelection.h"

#include "ScratchDir.h"

#include "support/StalledPipe.h"

#include <gtest/gtest.h>

using namespace vexil::link::manager;
namespace fs = std::filesystem;

namespace {

class SendSelection : public test::ScratchDir {
protected:
    SendPlan plan(const Paths &files)
    {
        return PlanSend(files, [this](const std::string &message) { reports.push_back(message); });
    }
    std::vector<std::string> reports;
};

} // namespace

TEST_F(SendSelection, OneFileGoesAsItIsUnread)
{
    EXPECT_EQ(plan({}).kind, SendPlan::Kind::Nothing);
    const SendPlan one = plan({dir_ / "not even there.82B"});
    EXPECT_EQ(one.kind, SendPlan::Kind::OneFile);
    EXPECT_EQ(one.files, Paths{dir_ / "not even there.82B"});
    EXPECT_TRUE(reports.empty());
}

TEST_F(SendSelection, ABackupOrGroupInAListRefusesTheDrop)
{
    const fs::path program = put("a.82p", "**TI82**");
    for (const char *other : {"mem.82B", "mem.83b", "two.82g", "two.83G"}) {
        const SendPlan refused = plan({program, put(other, "**TI83**")});
        EXPECT_EQ(refused.kind, SendPlan::Kind::Refused) << other;
        EXPECT_TRUE(refused.files.empty());
    }
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0],
              "Sorry, but you cannot send multiple files if one of them is a backup or a group.");
    // Only a four-character extension names a backup or group.
    EXPECT_EQ(plan({program, put("x.b", "**TI82**"), put("y.bakg", "**TI83**")}).kind,
              SendPlan::Kind::List);
}

TEST_F(SendSelection, FilesThatAreNotVariableFilesAreLeftOutInOrder)
{
    const Paths files = {put("a.82p", "**TI82**\x1A\n"), put("bad.82p", "**TI85**xxxx"),
                         dir_ / "gone.82p", put("short.82p", "**TI8"), put("b.83p", "**TI83**")};
    fs::create_directory(dir_ / "folder.82p");
    Paths withFolder = files;
    withFolder.push_back(dir_ / "folder.82p");
    const SendPlan list = plan(withFolder);
    EXPECT_EQ(list.kind, SendPlan::Kind::List);
    EXPECT_EQ(list.files, (Paths{files[0], files[4]}));
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0], "Sorry, but the file 'bad.82p' is not a valid TI-82 or TI-83 file.");
    EXPECT_EQ(reports[1],
              "Sorry, but the file 'gone.82p' could not be read: No such file or directory.");
    EXPECT_EQ(reports[2], "Sorry, but the file 'short.82p' is not a valid TI-82 or TI-83 file.");
    EXPECT_EQ(reports[3].rfind("Sorry, but the file 'folder.82p' could not be read: ", 0), 0u);
}

TEST_F(SendSelection, APipeIsLeftOutWithoutWaitingForIt)
{
    const vexil::testing::StalledPipe pipe(dir_ / "pipe.82p");
    ASSERT_TRUE(pipe.made());
    const fs::path program = put("a.82p", "**TI82**\x1A\n");
    const SendPlan list = plan({pipe.path(), program});
    EXPECT_EQ(list.files, Paths{program});
    EXPECT_EQ(reports, std::vector<std::string>{"Sorry, but the file 'pipe.82p' could not be "
                                                "read: it is not a regular file."});
}

TEST_F(SendSelection, NothingLeftSendsNothing)
{
    const SendPlan none = plan({put("a.txt", "hello"), put("b.txt", "world")});
    EXPECT_EQ(none.kind, SendPlan::Kind::Refused);
    EXPECT_EQ(reports.size(), 2u);
}

TEST(SendHintText, CountsTheFiles)
{
    EXPECT_EQ(SendHint(1), "Send 1 file");
    EXPECT_EQ(SendHint(3), "Send 3 files");
}
