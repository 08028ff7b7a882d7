// SPDX-License-Identifier: GPL-3.0-or-later
// Cross-checks against outside tools (other assemblers, other readers of the
// calculators' files) skip where a developer has not installed the tool. Under CI
// (the CI environment variable set) the tool is part of the setup, so its absence
// fails the test instead of quietly proving nothing.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

namespace vexil::testing {

inline bool InCi()
{
    const char *ci = std::getenv("CI");
    return ci != nullptr && *ci != '\0';
}

} // namespace vexil::testing

// In a test body: ends the test when `available` is false, as a skip or, under CI,
// as a failure naming the missing `tool`.
#define VEXIL_REQUIRE_OUTSIDE_TOOL(available, tool)                                                \
    do {                                                                                           \
        if (!(available)) {                                                                        \
            if (vexil::testing::InCi()) {                                                          \
                FAIL() << (tool) << " is not installed, and CI needs every cross-check";           \
            }                                                                                      \
            GTEST_SKIP() << (tool) << " is not installed";                                         \
        }                                                                                          \
    } while (false)
