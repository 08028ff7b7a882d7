// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopIntegration.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using namespace vexil::app;

namespace {

using vexil::testing::ReadText;

class DesktopIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *icon : {"vexil.svg", "ti82-file.svg", "ti83-file.svg"}) {
            vexil::testing::WriteText(root_ / "icons" / icon, "<svg/>");
        }
    }
    vexil::testing::ScratchFolder scratch_;
    const fs::path root_ = scratch_.path();
};

} // namespace

TEST_F(DesktopIntegrationTest, WritesEntryTypesAndIconsForOneUser)
{
    const fs::path home = root_ / "share";
    const DesktopIntegrationResult result =
        InstallDesktopIntegration(home, "/opt/my tools/vexil", root_ / "icons");
    EXPECT_TRUE(result.problems.empty());

    // The entry starts the program with the files a file manager hands over, and
    // claims every calculator file type.
    const std::string entry = ReadText(home / "applications" / "vexil.desktop");
    EXPECT_NE(entry.find("Exec=\"/opt/my tools/vexil\" %F\n"), std::string::npos);
    EXPECT_NE(entry.find("application/x-vexil-ti83-program;"), std::string::npos);
    EXPECT_NE(entry.find("application/x-vexil-ti82-variable;"), std::string::npos);

    // Programs outrank the catch-all glob of their model.
    const std::string mime = ReadText(home / "mime" / "packages" / "vexil.xml");
    EXPECT_NE(mime.find("<glob pattern=\"*.82p\" weight=\"60\"/>"), std::string::npos);
    EXPECT_NE(mime.find("<glob pattern=\"*.83?\" weight=\"50\"/>"), std::string::npos);

    const fs::path icons = home / "icons" / "hicolor" / "scalable";
    EXPECT_TRUE(fs::exists(icons / "apps" / "vexil.svg"));
    EXPECT_TRUE(fs::exists(icons / "mimetypes" / "application-x-vexil-ti83-variable.svg"));
    EXPECT_EQ(result.mimeDirectory, home / "mime");
}

TEST_F(DesktopIntegrationTest, MissingIconsAreReportedNotFatal)
{
    fs::remove_all(root_ / "icons");
    const DesktopIntegrationResult result =
        InstallDesktopIntegration(root_ / "share", "/usr/bin/vexil", root_ / "icons");
    EXPECT_EQ(result.problems.size(), 5u); // the program icon and four file-type icons
    EXPECT_TRUE(fs::exists(root_ / "share" / "applications" / "vexil.desktop"));
}
