// SPDX-License-Identifier: GPL-3.0-or-later
// The Debian package made by `cpack -G DEB`: what it holds, what it depends on,
// and what lintian says about it.
#include "RunProgram.h"
#include "support/OutsideTool.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vexil::packaging::test;
using vexil::testing::ScratchFolder;

namespace {

std::string Field(const fs::path &package, const std::string &name)
{
    return RunProgram({{"dpkg-deb", "--field", package.string(), name}, {}, {}}).out;
}

void ExpectFieldsNameTheRuntimePackages(const fs::path &package)
{
    EXPECT_EQ(Field(package, "Package"), "vexil\n");
    EXPECT_EQ(Field(package, "Version"), std::string(VEXIL_VERSION) + "-1\n");
    EXPECT_EQ(Field(package, "Architecture"), "amd64\n");
    const std::string depends = Field(package, "Depends");
    // Found in the programs by dpkg-shlibdeps...
    for (const char *runtime :
         {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6printsupport6",
          "libqscintilla2-qt6-15", "libpng16-16", "libc6", "libstdc++6"}) {
        EXPECT_NE(depends.find(runtime), std::string::npos) << runtime << " in " << depends;
    }
    // ...and what they load without the loader knowing: the platform plugins and the
    // font of the token texts.
    EXPECT_NE(depends.find("qt6-qpa-plugins"), std::string::npos) << depends;
    EXPECT_NE(depends.find("fonts-dejavu-core"), std::string::npos) << depends;
    // Nothing the build needed is asked of the user's system, and the driver is ours.
    EXPECT_EQ(depends.find("-dev"), std::string::npos) << depends;
    EXPECT_EQ(depends.find("libbrantel"), std::string::npos) << depends;
}

void ExpectContentsUnderUsr(const fs::path &package)
{
    const std::string contents =
        RunProgram({{"dpkg-deb", "--contents", package.string()}, {}, {}}).out;
    for (const char *path :
         {" ./usr/bin/vexil\n", " ./usr/bin/vexil-cli\n", " ./usr/bin/tasm\n",
          " ./usr/bin/vexil-calcsim\n", "/libbrantel.so.1\n", "/libbrantel.so -> libbrantel.so.1\n",
          " ./usr/include/brantel/brantel.h\n", " ./usr/share/vexil/help/index.html\n",
          " ./usr/share/vexil/ash/", " ./usr/share/applications/vexil.desktop\n",
          " ./usr/share/mime/packages/vexil.xml\n",
          " ./usr/share/metainfo/org.vexil.Vexil.metainfo.xml\n",
          " ./usr/share/icons/hicolor/48x48/apps/vexil.png\n", " ./usr/share/man/man1/tasm.1.gz\n",
          " ./usr/lib/udev/rules.d/70-vexil-parport.rules\n", " ./usr/share/doc/vexil/copyright\n",
          " ./usr/share/doc/vexil/changelog.Debian.gz\n"}) {
        EXPECT_NE(contents.find(path), std::string::npos) << path;
    }
    EXPECT_EQ(contents.find("/usr/local"), std::string::npos);
    EXPECT_EQ(contents.find(VEXIL_BUILD_DIR), std::string::npos);

    // The driver's soname reaches the loader's cache through dpkg's trigger.
    const ScratchFolder control;
    ASSERT_EQ(
        RunProgram({{"dpkg-deb", "--control", package.string(), control.path().string()}, {}, {}})
            .exitCode,
        0);
    EXPECT_EQ(vexil::testing::ReadText(control / "triggers"), "activate-noawait ldconfig\n");
    EXPECT_NE(vexil::testing::ReadText(control / "shlibs").find("libbrantel 1 vexil"),
              std::string::npos);
}

} // namespace

// One package build for all the checks: making it is the slow part.
TEST(DebPackageTest, HoldsItsFilesNamesItsDependenciesAndPassesLintian)
{
    VEXIL_REQUIRE_OUTSIDE_TOOL(OnPath("dpkg-deb") && OnPath("dpkg-shlibdeps"), "dpkg-dev");
    VEXIL_REQUIRE_OUTSIDE_TOOL(OnPath("lintian"), "lintian");
    const ScratchFolder output;
    const ProgramOutput packed = RunProgram(
        {{VEXIL_CPACK, "-G", "DEB", "--config", std::string(VEXIL_BUILD_DIR) + "/CPackConfig.cmake",
          "-B", output.path().string()},
         output.path(),
         {}});
    ASSERT_EQ(packed.exitCode, 0) << packed.out << packed.err;
    const fs::path package = output / (std::string("vexil_") + VEXIL_VERSION + "-1_amd64.deb");
    ASSERT_TRUE(fs::is_regular_file(package)) << packed.out;

    ExpectFieldsNameTheRuntimePackages(package);
    ExpectContentsUnderUsr(package);

    const ProgramOutput lintian =
        RunProgram({{"lintian", "--fail-on", "error", package.string()}, {}, {}});
    EXPECT_EQ(lintian.exitCode, 0) << lintian.out << lintian.err;
    EXPECT_EQ(lintian.out.find("E: "), std::string::npos) << lintian.out;
}
