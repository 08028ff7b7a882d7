// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/VexilCommandLine.h"

#include <gtest/gtest.h>

using namespace vexil::app;
using Request = VexilCommandLine::Request;

TEST(VexilCommandLineTest, HelpAndVersionWinOverFilesUntilTheOptionsEnd)
{
    EXPECT_EQ(ParseVexilCommandLine({"a.asm", "--help"}).request, Request::Help);
    EXPECT_EQ(ParseVexilCommandLine({"-h"}).request, Request::Help);
    EXPECT_EQ(ParseVexilCommandLine({"--version", "--help"}).request, Request::Version);

    // After "--" every word is a file, however it looks.
    const VexilCommandLine files = ParseVexilCommandLine({"one.83p", "--", "--help", "--"});
    EXPECT_EQ(files.request, Request::Run);
    EXPECT_EQ(files.files, (std::vector<std::string>{"one.83p", "--help", "--"}));

    EXPECT_EQ(ParseVexilCommandLine({}).request, Request::Run);
    EXPECT_NE(VexilUsageText().find("--version"), std::string::npos);
}
