// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramDirectory.h"
#include "app/RecentFiles.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace vexil::app;

namespace {

class TempDir : public ::testing::Test {
protected:
    void write(const fs::path &path, const std::string &text)
    {
        vexil::testing::WriteText(path, text);
    }
    std::string read(const fs::path &path) { return vexil::testing::ReadText(path); }
    vexil::testing::ScratchFolder scratch_;
    const fs::path dir = scratch_.path();
};

} // namespace

TEST(ProgramDirectory, ResolvesFromXdgOrHome)
{
    EXPECT_EQ(ResolveProgramDirectory("/data", "/home/u"), fs::path("/data/vexil"));
    // A relative XDG_DATA_HOME is invalid and ignored.
    EXPECT_EQ(ResolveProgramDirectory("rel", "/home/u"), fs::path("/home/u/.local/share/vexil"));
    EXPECT_EQ(ResolveProgramDirectory(nullptr, "/home/u"), fs::path("/home/u/.local/share/vexil"));
}

TEST_F(TempDir, SeedingCopiesMissingFilesAndKeepsTheUsersOwn)
{
    const fs::path seed = dir / "seed";
    write(seed / "ash" / "ti82.h", "seeded header");
    write(seed / "help" / "index.html", "seeded help");
    const fs::path program = dir / "user" / "vexil";

    // First start: the folder is created, everything is copied, it is a first run.
    PrepareResult first = PrepareProgramDirectory(program, seed);
    EXPECT_TRUE(first.firstRun);
    EXPECT_TRUE(first.problems.empty());
    EXPECT_EQ(read(program / "ash" / "ti82.h"), "seeded header");

    // Later start: a file the user changed stays, a deleted one comes back.
    write(program / "ash" / "ti82.h", "my header");
    fs::remove(program / "help" / "index.html");
    PrepareResult second = PrepareProgramDirectory(program, seed);
    EXPECT_FALSE(second.firstRun);
    EXPECT_EQ(read(program / "ash" / "ti82.h"), "my header");
    EXPECT_EQ(read(program / "help" / "index.html"), "seeded help");
}

TEST_F(TempDir, SeedingIsWholeOrReportedAndRepairedNextTime)
{
    // The shipped data, so the sizes are those of the real include files.
    const fs::path seed = fs::path(VEXIL_SOURCE_DIR) / "data";
    const fs::path program = dir / "vexil";

    // A disk that fills up part-way: what does not fit is reported, and no file is
    // left half-copied.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{6000, 6000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const PrepareResult full = PrepareProgramDirectory(program, seed);
        ::_exit(full.problems.empty() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::size_t incomplete = 0;
    for (const auto &entry : fs::recursive_directory_iterator(seed)) {
        const fs::path copy = program / fs::relative(entry.path(), seed);
        if (entry.is_regular_file() && fs::exists(copy)) {
            EXPECT_EQ(read(copy), read(entry.path())) << copy;
        } else if (entry.is_regular_file()) {
            ++incomplete;
        }
    }
    EXPECT_GT(incomplete, 0u);

    // Copies an earlier version left unfinished are completed; the user's own
    // changes stay.
    write(program / "ash" / "ti82.h", "");
    const std::string keys = read(seed / "ash" / "keys.inc");
    write(program / "ash" / "keys.inc", keys.substr(0, keys.size() / 2));
    write(program / "crash" / "crash82.inc", "; my own CrASH header\n");
    const PrepareResult next = PrepareProgramDirectory(program, seed);
    EXPECT_TRUE(next.problems.empty());
    EXPECT_EQ(read(program / "ash" / "ti82.h"), read(seed / "ash" / "ti82.h"));
    EXPECT_EQ(read(program / "ash" / "keys.inc"), keys);
    EXPECT_EQ(read(program / "crash" / "crash82.inc"), "; my own CrASH header\n");
    for (const auto &entry : fs::recursive_directory_iterator(seed)) {
        if (entry.is_regular_file() && entry.path().filename() != "crash82.inc") {
            EXPECT_EQ(read(program / fs::relative(entry.path(), seed)), read(entry.path()))
                << entry.path();
        }
    }
}

TEST_F(TempDir, SeedDirectoryPrefersTheInstalledData)
{
    const fs::path build = dir / "src-data";
    fs::create_directories(build);
    fs::create_directories(dir / "prefix" / "bin");
    EXPECT_EQ(FindSeedDirectory(dir / "prefix" / "bin", build), build);
    fs::create_directories(dir / "prefix" / "share" / "vexil");
    EXPECT_EQ(FindSeedDirectory(dir / "prefix" / "bin", build),
              fs::weakly_canonical(dir / "prefix" / "share" / "vexil"));
    EXPECT_EQ(FindSeedDirectory("", dir / "nothing"), fs::path());
}

TEST_F(TempDir, RecentFilesMoveUpOrShiftDown)
{
    RecentFileList list = {"/p/1.asm", "/p/2.asm", "/p/3.asm", "/p/4.asm"};

    // A path already at position 3 moves to 1; 1 and 2 shift down; 4 stays.
    AddRecentFile(list, "/p/3.asm");
    EXPECT_EQ(list, (RecentFileList{"/p/3.asm", "/p/1.asm", "/p/2.asm", "/p/4.asm"}));

    // A new path drops the oldest entry.
    AddRecentFile(list, "/p/5.asm");
    EXPECT_EQ(list, (RecentFileList{"/p/5.asm", "/p/3.asm", "/p/1.asm", "/p/2.asm"}));

    // The same file reached another way (a symbolic link, a ".." step) is one entry.
    write(dir / "real" / "x.asm", "x");
    fs::create_directory_symlink(dir / "real", dir / "link");
    RecentFileList files = {(dir / "real" / "x.asm").string(), "", "", ""};
    AddRecentFile(files, (dir / "link" / ".." / "link" / "x.asm").string());
    EXPECT_EQ(files[1], "");
    EXPECT_EQ(files[0], (dir / "link" / ".." / "link" / "x.asm").string());

    // Adding the first entry again changes nothing but the spelling.
    RecentFileList one = {"/q/a.asm", "/q/b.asm", "", ""};
    AddRecentFile(one, "/q/a.asm");
    EXPECT_EQ(one, (RecentFileList{"/q/a.asm", "/q/b.asm", "", ""}));
}

TEST_F(TempDir, RecentFileCaptionsShortenInTheCurrentFolder)
{
    write(dir / "a&b.asm", "");
    EXPECT_EQ(RecentFileCaption(1, (dir / "a&b.asm").string(), dir), "&1 a&&b.asm");
    EXPECT_EQ(RecentFileCaption(2, "/elsewhere/x.asm", dir), "&2 /elsewhere/x.asm");
}
