// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and move with the overwrite question, delete, rename and folders: what
// each refuses, what it reports, and that nothing is lost on the way.
#include "link/manager/FileCommands.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <deque>

using namespace vexil::link::manager;
namespace fs = std::filesystem;

namespace {

class FileCommands : public test::ScratchDir {
protected:
    std::size_t run(FileAction action, const Paths &files, const fs::path &folder)
    {
        return CopyOrMoveFiles(
            action, files, folder,
            [this](const std::string &question) {
                questions.push_back(question);
                const OverwriteAnswer answer = answers.front();
                answers.pop_front();
                return answer;
            },
            [this](const std::string &message) { reports.push_back(message); });
    }
    Report recorder()
    {
        return [this](const std::string &message) { reports.push_back(message); };
    }

    std::deque<OverwriteAnswer> answers;
    std::vector<std::string> questions;
    std::vector<std::string> reports;
};

} // namespace

TEST_F(FileCommands, OverwriteYesNoAndCancel)
{
    const Paths files = {put("a.82p", "new a"), put("b.82p", "new b"), put("c.82p", "new c"),
                         put("d.82p", "new d")};
    put("to/a.82p", "old a");
    put("to/b.82p", "old b");
    put("to/c.82p", "old c");
    answers = {OverwriteAnswer::Yes, OverwriteAnswer::No, OverwriteAnswer::Cancel};
    EXPECT_EQ(run(FileAction::Copy, files, dir_ / "to"), 1u);
    EXPECT_EQ(questions, (std::vector<std::string>{"The file a.82p already exists.  Overwrite?",
                                                   "The file b.82p already exists.  Overwrite?",
                                                   "The file c.82p already exists.  Overwrite?"}));
    EXPECT_EQ(text("to/a.82p"), "new a");
    EXPECT_EQ(text("to/b.82p"), "old b");
    EXPECT_EQ(text("to/c.82p"), "old c");
    // Cancel also skipped the file after it, which needed no question.
    EXPECT_FALSE(fs::exists(dir_ / "to/d.82p"));
    EXPECT_TRUE(reports.empty());
}

TEST_F(FileCommands, MoveTakesTheFileAwayAndReplacesOnYes)
{
    const Paths files = {put("a.82p", "new a"), put("b.82p", "b")};
    put("to/a.82p", "old a");
    answers = {OverwriteAnswer::Yes};
    EXPECT_EQ(run(FileAction::Move, files, dir_ / "to"), 2u);
    EXPECT_EQ(text("to/a.82p"), "new a");
    EXPECT_EQ(text("to/b.82p"), "b");
    EXPECT_FALSE(fs::exists(dir_ / "a.82p"));
    EXPECT_FALSE(fs::exists(dir_ / "b.82p"));
}

TEST_F(FileCommands, AFileIsNeverCopiedOrMovedOntoItself)
{
    const Paths files = {put("a.82p", "keep me")};
    EXPECT_EQ(run(FileAction::Move, files, dir_), 0u);
    EXPECT_EQ(run(FileAction::Copy, files, dir_ / "." / "."), 0u);
    // Refused at once: no overwrite question could lead to deleting it.
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(reports,
              (std::vector<std::string>{"Could not move a.82p.", "Could not copy a.82p."}));
    EXPECT_EQ(text("a.82p"), "keep me");
}

TEST_F(FileCommands, FailuresAreReportedAndTheRestGoOn)
{
    const Paths files = {dir_ / "gone.82p", put("b.82p", "b")};
    EXPECT_EQ(run(FileAction::Copy, files, dir_ / "missing folder"), 0u);
    EXPECT_EQ(run(FileAction::Move, files, dir_ / "missing folder"), 0u);
    EXPECT_EQ(reports,
              (std::vector<std::string>{"Could not copy gone.82p.", "Could not copy b.82p.",
                                        "Could not move gone.82p.", "Could not move b.82p."}));
    EXPECT_EQ(text("b.82p"), "b");
    fs::create_directory(dir_ / "to");
    EXPECT_EQ(run(FileAction::Copy, files, dir_ / "to"), 1u);
    EXPECT_EQ(text("to/b.82p"), "b");
}

TEST_F(FileCommands, DeleteRemovesFilesButNoFolder)
{
    const Paths files = {put("a.82p", "a"), dir_ / "gone.82p", dir_ / "sub"};
    fs::create_directory(dir_ / "sub");
    EXPECT_EQ(DeleteFiles(files, recorder()), 1u);
    EXPECT_FALSE(fs::exists(dir_ / "a.82p"));
    EXPECT_TRUE(fs::is_directory(dir_ / "sub"));
    EXPECT_EQ(reports,
              (std::vector<std::string>{"Could not delete gone.82p.", "Could not delete sub."}));
    EXPECT_EQ(DeleteQuestion(1), "Are you sure you wish to delete this file?");
    EXPECT_EQ(DeleteQuestion(2), "Are you sure you wish to delete these files?");
}

TEST_F(FileCommands, TypedNamesStayInTheirFolder)
{
    for (const char *name : {"", ".", "..", "../out.82p", "sub/in.82p", "/tmp/x.82p"}) {
        EXPECT_FALSE(IsNameInFolder(name)) << name;
    }
    for (const char *name : {"a.82p", "..a", "a..b", "with space.82p", "Ünï.82p"}) {
        EXPECT_TRUE(IsNameInFolder(name)) << name;
    }
    const fs::path inner = put("in/a.82p", "a");
    EXPECT_FALSE(RenameInFolder(inner, "../a.82p"));
    EXPECT_FALSE(CreateFolderIn(dir_ / "in", "../made"));
    EXPECT_FALSE(CreateFolderIn(dir_ / "in", ".."));
    EXPECT_FALSE(fs::exists(dir_ / "a.82p"));
    EXPECT_FALSE(fs::exists(dir_ / "made"));
    EXPECT_EQ(text("in/a.82p"), "a");
}

TEST_F(FileCommands, RenameKeepsAnExistingFileOfTheNewName)
{
    const fs::path a = put("a.82p", "a");
    put("b.82p", "b");
    EXPECT_FALSE(RenameInFolder(a, "b.82p"));
    EXPECT_EQ(text("a.82p"), "a");
    EXPECT_EQ(text("b.82p"), "b");
    EXPECT_TRUE(RenameInFolder(a, "a.82p"));
    EXPECT_TRUE(RenameInFolder(a, "c.82p"));
    EXPECT_EQ(text("c.82p"), "a");
    EXPECT_FALSE(RenameInFolder(a, "d.82p")); // gone now
}

TEST_F(FileCommands, FoldersAreCreatedOnceAndRemovedOnlyWhenEmpty)
{
    EXPECT_TRUE(CreateFolderIn(dir_, "new"));
    EXPECT_FALSE(CreateFolderIn(dir_, "new"));
    put("full/a.82p", "a");
    EXPECT_FALSE(RemoveEmptyFolder(dir_ / "full"));
    EXPECT_EQ(text("full/a.82p"), "a");
    EXPECT_FALSE(RemoveEmptyFolder(dir_ / "full/a.82p"));
    EXPECT_EQ(text("full/a.82p"), "a");
    EXPECT_TRUE(RemoveEmptyFolder(dir_ / "new"));
    EXPECT_FALSE(fs::exists(dir_ / "new"));
}
