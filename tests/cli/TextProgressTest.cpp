// SPDX-License-Identifier: GPL-3.0-or-later
// The console's transfer progress: the bar and the one-line outcome.
#include "cli/TextProgress.h"

#include <gtest/gtest.h>

using namespace vexil::cli;
using vexil::link::TransferResult;

TEST(TextProgress, BarAndResultLines)
{
    EXPECT_EQ(ProgressBar(50, 100), "[###############               ]  50%");
    EXPECT_EQ(ProgressBar(9, 0), "[##############################] 100%");
    EXPECT_EQ(ResultText(TransferResult::Cancelled), "Transmission cancelled.");
    EXPECT_EQ(ResultText(TransferResult::Ok), "Done.");
}
