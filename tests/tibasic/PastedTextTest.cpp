// SPDX-License-Identifier: GPL-3.0-or-later
#include "tibasic/PastedText.h"

#include <gtest/gtest.h>

namespace vexil::tibasic {
namespace {

TEST(PastedText, OtherSpellingsBecomeTheTableGlyphs)
{
    // ASCII names that no valid program contains.
    EXPECT_EQ(NormalisePastedText("5->X:If X>=2 and X=/=3"), "5→X:If X≥2 and X≠3");
    EXPECT_EQ(NormalisePastedText("sqrt(X^^2)+thetaMin"), "√(X²)+θMin");
    EXPECT_EQ(NormalisePastedText("X^^-1|E3"), "X⁻¹ᴇ3");
    EXPECT_EQ(NormalisePastedText("\\L\\A\\->\\B"), "ʟA→B");
    EXPECT_EQ(NormalisePastedText("P>Rx(1,2)+P>Ry(1,2)"), "P►Rx(1,2)+P►Ry(1,2)");

    // Other Unicode characters for the same glyph.
    EXPECT_EQ(NormalisePastedText("∆X ▶Frac ẋ ˉ¹"), "ΔX ►Frac x̄ ⁻¹");
}

TEST(PastedText, LeavesWhatCouldMeanSomethingElse)
{
    // "pi" is p times i on the TI-83, "^2" is a valid power.
    EXPECT_EQ(NormalisePastedText("pi+X^2"), "pi+X^2");

    // Inside a string the letters are just letters, until the string ends at a
    // quote, a store arrow or the end of the line.
    EXPECT_EQ(NormalisePastedText("Disp \"theta->\"theta"), "Disp \"theta->\"θ");
    EXPECT_EQ(NormalisePastedText("\"sqrt(\nsqrt("), "\"sqrt(\n√(");
    EXPECT_EQ(NormalisePastedText("\"A→theta"), "\"A→θ");

    // Glyph variants are safe everywhere.
    EXPECT_EQ(NormalisePastedText("\"∆"), "\"Δ");

    // Text that is not UTF-8 is handed back untouched.
    EXPECT_EQ(NormalisePastedText("->\xFF"), "->\xFF");
}

} // namespace
} // namespace vexil::tibasic
