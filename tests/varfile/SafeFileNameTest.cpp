// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/SafeFileName.h"

#include <gtest/gtest.h>

#include <string>

namespace vexil::varfile {
namespace {

TEST(SafeVarFilePath, KeepsEveryNameInsideTheFolder)
{
    const std::filesystem::path folder = "/data/recv";
    // Ordinary names pass unchanged.
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/HELLO.82p"), "/data/recv/HELLO.82p");
    // A slash or backslash from the calculator cannot climb out or make a folder.
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/../x.82p"), "/data/recv/___x.82p");
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/a\\b.82p"), "/data/recv/a_b.82p");
    // Control characters, DEL and bytes past ASCII.
    EXPECT_EQ(SafeVarFilePath(folder, std::string("/data/recv/A\x01\x7F\xE0.82p")),
              "/data/recv/A___.82p");
    // A hidden name becomes visible.
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/.bashrc.82p"), "/data/recv/_bashrc.82p");
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/.82p"), "/data/recv/_.82p");
    // Nothing a shell or a command line takes for more than a name: no option,
    // no blank, no metacharacter, in the name or in its extension.
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/-rf.82p"), "/data/recv/_rf.82p");
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/ a b.82p"), "/data/recv/_a_b.82p");
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/$(x);*?`|&<>'\".82p"),
              "/data/recv/__x___________.82p");
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/A.8;p"), "/data/recv/A.8_p");
    // The forms of the naming table pass as they are.
    EXPECT_EQ(SafeVarFilePath(folder, "/data/recv/PrintScr.83_"), "/data/recv/PrintScr.83_");
    // A naming function that put the file elsewhere still lands in the folder.
    EXPECT_EQ(SafeVarFilePath(folder, "/etc/passwd"), "/data/recv/passwd");
    EXPECT_EQ(SafeVarFilePath(folder, ""), "");
}

} // namespace
} // namespace vexil::varfile
