// SPDX-License-Identifier: GPL-3.0-or-later
// `cmake --install` into a staging folder (DESTDIR), as a package build does: every
// file the installation promises is there and valid for the desktop's tools, the
// installed programs run, and an installed vexil started from elsewhere with a
// fresh home finds its data under the prefix.
#include "RunProgram.h"
#include "support/OutsideTool.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace vexil::packaging::test;
using vexil::testing::ReadText;
using vexil::testing::ScratchFolder;

namespace {

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        staging_ = new ScratchFolder;
        installed_ = RunProgram({{VEXIL_CMAKE, "--install", VEXIL_BUILD_DIR},
                                 {},
                                 {{"DESTDIR", staging_->path().string()}}});
    }
    static void TearDownTestSuite()
    {
        delete staging_;
        staging_ = nullptr;
    }
    void SetUp() override { ASSERT_EQ(installed_.exitCode, 0) << installed_.out << installed_.err; }

    // A path under the installation prefix, inside the staging folder.
    static fs::path Installed(const fs::path &relative)
    {
        return staging_->path() / fs::path(VEXIL_INSTALL_PREFIX).relative_path() / relative;
    }

    static ScratchFolder *staging_;
    static ProgramOutput installed_;
};

// The folders a binary's RUNPATH (or old-style RPATH) names, in order, as readelf
// shows them. An empty entry stays in the list: the loader reads it as the current
// folder.
std::vector<std::string> LibrarySearchPath(const fs::path &binary)
{
    const ProgramOutput dynamic = RunProgram({{"readelf", "-d", binary.string()}, {}, {}});
    EXPECT_EQ(dynamic.exitCode, 0) << binary << dynamic.err;
    std::vector<std::string> folders;
    std::istringstream lines(dynamic.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("(RUNPATH)") == std::string::npos &&
            line.find("(RPATH)") == std::string::npos) {
            continue;
        }
        const std::size_t open = line.find('[');
        const std::size_t close = line.rfind(']');
        if (open == std::string::npos || close == std::string::npos || close < open) {
            ADD_FAILURE() << "unreadable search path in " << binary << ": " << line;
            continue;
        }
        std::istringstream entries(line.substr(open + 1, close - open - 1));
        for (std::string folder; std::getline(entries, folder, ':');) {
            folders.push_back(folder);
        }
        if (line[close - 1] == ':') {
            folders.emplace_back();
        }
    }
    return folders;
}

ScratchFolder *InstallTest::staging_ = nullptr;
ProgramOutput InstallTest::installed_;

} // namespace

TEST_F(InstallTest, PutsEveryFileUnderTheStandardFolders)
{
    for (const char *program : {"vexil", "vexil-cli", "tasm", "vexil-calcsim"}) {
        const fs::path binary = Installed(fs::path("bin") / program);
        EXPECT_TRUE(fs::is_regular_file(binary)) << binary;
        EXPECT_TRUE(fs::is_regular_file(
            Installed(fs::path("share/man/man1") / (std::string(program) + ".1.gz"))))
            << program;
    }
    // The driver under its soname, the link a linker uses, its header and its
    // pkg-config description.
    const fs::path lib = Installed(VEXIL_INSTALL_LIBDIR);
    EXPECT_TRUE(fs::is_regular_file(lib / "libbrantel.so.1"));
    EXPECT_TRUE(fs::is_symlink(lib / "libbrantel.so"));
    EXPECT_EQ(fs::read_symlink(lib / "libbrantel.so"), "libbrantel.so.1");
    EXPECT_TRUE(fs::is_regular_file(Installed("include/brantel/brantel.h")));
    EXPECT_NE(ReadText(lib / "pkgconfig" / "brantel.pc").find("-lbrantel"), std::string::npos);

    // The data folder is the source tree's data/, file for file.
    const fs::path data = fs::path(VEXIL_SOURCE_DIR) / "data";
    for (const auto &entry : fs::recursive_directory_iterator(data)) {
        if (entry.is_regular_file()) {
            const fs::path relative = fs::relative(entry.path(), data);
            EXPECT_EQ(ReadText(Installed("share/vexil" / relative)), ReadText(entry.path()))
                << relative;
        }
    }

    EXPECT_TRUE(fs::is_regular_file(Installed("share/applications/vexil.desktop")));
    EXPECT_TRUE(fs::is_regular_file(Installed("share/mime/packages/vexil.xml")));
    EXPECT_TRUE(fs::is_regular_file(Installed("share/metainfo/org.vexil.Vexil.metainfo.xml")));
    EXPECT_TRUE(fs::is_regular_file(Installed("share/doc/vexil/copyright")));
    const std::string rule = ReadText(Installed("lib/udev/rules.d/70-vexil-parport.rules"));
    EXPECT_NE(rule.find("SUBSYSTEM==\"ppdev\""), std::string::npos);
    EXPECT_NE(rule.find("TAG+=\"uaccess\""), std::string::npos);

    // Icons at the sizes the theme looks for, and scalable: for the program and
    // for each file type the MIME package names.
    const fs::path icons = Installed("share/icons/hicolor");
    for (const char *size :
         {"16x16", "22x22", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256"}) {
        EXPECT_TRUE(fs::is_regular_file(icons / size / "apps" / "vexil.png")) << size;
        EXPECT_TRUE(fs::is_regular_file(icons / size / "mimetypes" /
                                        "application-x-vexil-ti83-program.png"))
            << size;
    }
    EXPECT_TRUE(fs::is_regular_file(icons / "scalable/apps/vexil.svg"));
    for (const char *type : {"ti82-program", "ti83-program", "ti82-variable", "ti83-variable"}) {
        EXPECT_TRUE(fs::is_regular_file(icons / "scalable/mimetypes" /
                                        ("application-x-vexil-" + std::string(type) + ".svg")))
            << type;
    }
}

TEST_F(InstallTest, DesktopFilesPassTheirValidators)
{
    VEXIL_REQUIRE_OUTSIDE_TOOL(OnPath("desktop-file-validate"), "desktop-file-validate");
    VEXIL_REQUIRE_OUTSIDE_TOOL(OnPath("appstreamcli"), "appstreamcli");
    VEXIL_REQUIRE_OUTSIDE_TOOL(OnPath("update-mime-database"), "update-mime-database");

    const fs::path entry = Installed("share/applications/vexil.desktop");
    const ProgramOutput desktop = RunProgram({{"desktop-file-validate", entry.string()}, {}, {}});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.out << desktop.err;
    EXPECT_EQ(desktop.out + desktop.err, "");
    // Installed system-wide, the entry finds vexil on PATH, wherever the prefix is.
    EXPECT_NE(ReadText(entry).find("\nExec=vexil %F\n"), std::string::npos);

    const ProgramOutput appstream =
        RunProgram({{"appstreamcli", "validate", "--no-net",
                     Installed("share/metainfo/org.vexil.Vexil.metainfo.xml").string()},
                    {},
                    {}});
    EXPECT_EQ(appstream.exitCode, 0) << appstream.out << appstream.err;

    // The MIME package compiles into a database that knows the calculator files and
    // the assembler sources.
    const fs::path mime = Installed("share/mime");
    const ProgramOutput database = RunProgram({{"update-mime-database", mime.string()},
                                               {},
                                               {{"XDG_DATA_DIRS", Installed("share").string()}}});
    EXPECT_EQ(database.exitCode, 0) << database.err;
    EXPECT_EQ(database.err, "");
    const std::string globs = ReadText(mime / "globs2");
    EXPECT_NE(globs.find("60:application/x-vexil-ti82-program:*.82p"), std::string::npos) << globs;
    EXPECT_NE(globs.find("50:application/x-vexil-ti83-variable:*.83?"), std::string::npos);
    EXPECT_NE(globs.find("text/x-asm:*.z80"), std::string::npos);
    EXPECT_NE(ReadText(mime / "subclasses").find("text/x-asm text/plain"), std::string::npos);
}

TEST_F(InstallTest, InstalledProgramsReportTheProjectVersion)
{
    for (const char *program : {"vexil", "vexil-cli", "tasm", "vexil-calcsim"}) {
        const ProgramOutput version =
            RunProgram({{Installed(fs::path("bin") / program).string(), "--version"}, {}, {}});
        EXPECT_EQ(version.exitCode, 0) << program;
        EXPECT_EQ(version.out.substr(0, version.out.find('\n')),
                  std::string(program) + " (Vexil) " + VEXIL_VERSION);
        const ProgramOutput help =
            RunProgram({{Installed(fs::path("bin") / program).string(), "--help"}, {}, {}});
        EXPECT_EQ(help.exitCode, 0) << program;
        EXPECT_NE(help.out.find("--version"), std::string::npos) << program << help.out;
    }
}

TEST_F(InstallTest, InstalledVexilFindsItsDataFromThePrefix)
{
    // A file only the installed data folder holds: seeded from there, the new
    // user's folder has it.
    vexil::testing::WriteText(Installed("share/vexil/ash/installed-only.inc"), "; seed\r\n");
    const ScratchFolder user;
    const fs::path home = user / "home";
    const fs::path elsewhere = user / "elsewhere";
    fs::create_directories(home);
    fs::create_directories(elsewhere);

    RunningProgram vexil({{Installed("bin/vexil").string()},
                          elsewhere,
                          {{"HOME", home.string()},
                           {"XDG_DATA_HOME", std::nullopt},
                           {"XDG_CONFIG_HOME", std::nullopt},
                           {"XDG_DATA_DIRS", Installed("share").string()},
                           {"QT_QPA_PLATFORM", "offscreen"}}});
    ASSERT_TRUE(vexil.stillRunningAfter(std::chrono::seconds(5))) << vexil.errorOutput();

    const fs::path programDirectory = home / ".local/share/vexil";
    EXPECT_TRUE(fs::is_regular_file(programDirectory / "ash/installed-only.inc"));
    EXPECT_TRUE(fs::is_regular_file(programDirectory / "help/index.html"));
    EXPECT_TRUE(fs::is_regular_file(programDirectory / "Vexil.opt"));
    // The system-wide entry and file types are in the data folders the desktop
    // reads, so the first run adds no copy of its own.
    EXPECT_FALSE(fs::exists(home / ".local/share/applications/vexil.desktop"));
    EXPECT_FALSE(fs::exists(home / ".local/share/mime/packages/vexil.xml"));
}

TEST_F(InstallTest, ProgramsLookForLibrariesOnlyBesideThemselves)
{
    VEXIL_REQUIRE_OUTSIDE_TOOL(OnPath("readelf"), "readelf (binutils)");
    const std::string besideTheProgram = std::string("$ORIGIN/../") + VEXIL_INSTALL_LIBDIR;
    for (const fs::path &folder : {fs::path(VEXIL_BUILD_DIR) / "bin", Installed("bin")}) {
        // tasm has the C++ runtime linked in and needs no library of ours.
        EXPECT_EQ(LibrarySearchPath(folder / "tasm"), std::vector<std::string>{}) << folder;
        for (const char *program : {"vexil", "vexil-cli", "vexil-calcsim"}) {
            EXPECT_EQ(LibrarySearchPath(folder / program),
                      std::vector<std::string>{besideTheProgram})
                << folder / program;
        }
    }
}
