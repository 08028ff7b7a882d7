// SPDX-License-Identifier: GPL-3.0-or-later
#include "varfile/CalcReal.h"
#include "varfile/RealText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vexil::varfile {
namespace {

RealBytes Encoded(double value, RealKind kind = RealKind::Real)
{
    const auto bytes = EncodeReal(value, kind);
    EXPECT_TRUE(bytes) << value;
    return bytes.value_or(RealBytes{});
}

double Decoded(const RealBytes &bytes)
{
    const auto value = DecodeReal(bytes);
    EXPECT_TRUE(value);
    return value.value_or(std::nan(""));
}

TEST(CalcReal, EncodesTheWorkedExamples)
{
    EXPECT_EQ(Encoded(0), (RealBytes{0x00, 0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Encoded(-1), (RealBytes{0x80, 0x80, 0x10, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Encoded(123.45), (RealBytes{0x00, 0x82, 0x12, 0x34, 0x50, 0, 0, 0, 0}));
    EXPECT_EQ(Encoded(0.001), (RealBytes{0x00, 0x7D, 0x10, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Encoded(1.0 / 3), (RealBytes{0x00, 0x7F, 0x33, 0x33, 0x33, 0x33, 0x33, 0x33, 0x33}));
    EXPECT_EQ(Encoded(2.0 / 3), (RealBytes{0x00, 0x7F, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x67}));
    EXPECT_EQ(Encoded(9.9999999999999e99)[1], 0xE3);
    EXPECT_EQ(Encoded(-5, RealKind::ComplexHalf)[0], 0x8C);
    EXPECT_EQ(Encoded(0, RealKind::ComplexHalf)[0], 0x0C);
}

TEST(CalcReal, RoundsHalfAwayFromZeroOnTheExactValue)
{
    // 123456789012345 is exactly representable: a true tie rounds away from zero.
    EXPECT_EQ(Encoded(123456789012345.0),
              (RealBytes{0x00, 0x8E, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x35}));
    EXPECT_EQ(Encoded(-123456789012345.0)[8], 0x35);
    // A written tie whose double lies just below it rounds down: the double
    // nearest 1.00000000000005 is 1.0000000000000499...
    EXPECT_EQ(Encoded(1.00000000000005)[8], 0x00);
    // A carry through all digits raises the exponent.
    EXPECT_EQ(Encoded(9.999999999999995), (RealBytes{0x00, 0x81, 0x10, 0, 0, 0, 0, 0, 0}));
}

TEST(CalcReal, OutOfRangeValues)
{
    // Underflow: the calculator keeps no exponent below -99, so tiny values are 0.
    EXPECT_EQ(Encoded(1e-100), (RealBytes{0x00, 0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Encoded(-4e-200), (RealBytes{0x00, 0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Encoded(1e-99)[1], 0x1D);
    // Magnitudes that round to 1E100 or more have no encoding at all.
    EXPECT_FALSE(EncodeReal(1e100));
    EXPECT_FALSE(EncodeReal(-9.99999999999999e99));
    EXPECT_FALSE(EncodeReal(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(EncodeReal(std::nan("")));

    EXPECT_FALSE(CheckRange(1e100));
    EXPECT_FALSE(CheckRange(-1e100));
    EXPECT_TRUE(CheckRange(9.9999999999999e99));
    // The range check runs on the rounded value: 15 nines round up to 1E100.
    EXPECT_TRUE(CheckRange(9.99999999999999e99));
    EXPECT_FALSE(CheckRange(RoundReal(9.99999999999999e99)));
}

TEST(CalcReal, Decodes)
{
    EXPECT_EQ(Decoded({0x00, 0x82, 0x12, 0x34, 0x50, 0, 0, 0, 0}), 123.45);
    EXPECT_EQ(Decoded({0x80, 0x80, 0x10, 0, 0, 0, 0, 0, 0}), -1);
    EXPECT_EQ(Decoded({0x00, 0x80, 0, 0, 0, 0, 0, 0, 0}), 0);
    // Only bit 7 of byte 0 counts.
    EXPECT_EQ(Decoded({0x0C, 0x80, 0x50, 0, 0, 0, 0, 0, 0}), 5);
    EXPECT_EQ(Decoded({0x00, 0x80, 0x50, 0, 0, 0, 0, 0, 0}), 5);
    EXPECT_EQ(Decoded({0xFF, 0x80, 0x50, 0, 0, 0, 0, 0, 0}), -5);
    // A nibble above 9 cannot be decoded, in either half of a byte.
    EXPECT_FALSE(DecodeReal(RealBytes{0x00, 0x80, 0x1A, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(DecodeReal(RealBytes{0x00, 0x80, 0x10, 0, 0, 0, 0, 0, 0xF0}));
    // Reading from a longer buffer stops at its end.
    const std::vector<std::uint8_t> list = {0x01, 0x00, 0x00, 0x80, 0x50, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(DecodeRealAt(list, 2), 5);
    EXPECT_FALSE(DecodeRealAt(list, 3));
    EXPECT_FALSE(DecodeRealAt(list, 40));
    // Extreme exponent bytes still give finite values.
    EXPECT_EQ(Decoded({0x00, 0xFF, 0x10, 0, 0, 0, 0, 0, 0}), 1e127);
    EXPECT_EQ(Decoded({0x00, 0x00, 0x10, 0, 0, 0, 0, 0, 0}), 1e-128);
}

TEST(CalcReal, EncodeDecodeRoundTrip)
{
    // Every value that is already rounded to 14 digits survives the trip.
    for (double value : {1.0 / 7, -2.5e-7, 98765.4321, 1e99, -1e-99, 3.1415926535898}) {
        const double rounded = RoundReal(value);
        EXPECT_EQ(Decoded(Encoded(rounded)), rounded) << value;
    }
    EXPECT_EQ(RoundReal(2.0 / 3), 0.66666666666667);
}

TEST(RealText, FormatsLikeTheCalculator)
{
    EXPECT_EQ(FormatReal(0), "0");
    EXPECT_EQ(FormatReal(-0.0), "0");
    EXPECT_EQ(FormatReal(123.45), "123.45");
    EXPECT_EQ(FormatReal(-0.5), "-0.5");
    EXPECT_EQ(FormatReal(100), "100");
    EXPECT_EQ(FormatReal(0.0001), "0.0001");
    EXPECT_EQ(FormatReal(0.00001), "1E-5");
    EXPECT_EQ(FormatReal(1e14), "1E14");
    EXPECT_EQ(FormatReal(99999999999999.0), "99999999999999");
    EXPECT_EQ(FormatReal(1e20), "1E20");
    EXPECT_EQ(FormatReal(-2.5e-7), "-2.5E-7");
    EXPECT_EQ(FormatReal(1.2345678901234e99), "1.2345678901234E99");
    EXPECT_EQ(FormatReal(1.0 / 3), "0.33333333333333");
    EXPECT_EQ(FormatReal(2.0 / 3), "0.66666666666667");
    // Rounding to 14 digits can move a value out of fixed notation.
    EXPECT_EQ(FormatReal(99999999999999.7), "1E14");
}

TEST(RealText, ParsesTypedNumbers)
{
    EXPECT_EQ(ParseReal("  -12.5e+2 "), -1250);
    EXPECT_EQ(ParseReal("+.5"), 0.5);
    EXPECT_EQ(ParseReal("5."), 5);
    EXPECT_EQ(ParseReal("1E-5"), 0.00001);
    EXPECT_EQ(ParseReal("0.0001E310"), 1e306);
    // Too large for a double: infinite, so the range check refuses it; too small: 0.
    EXPECT_EQ(ParseReal("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseReal("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseReal("1e-400"), 0);
    EXPECT_EQ(ParseReal("100000e-405"), 0);
    // Exponents past 64 bits still tell huge from tiny, whatever the mantissa adds.
    EXPECT_EQ(ParseReal("1000e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseReal("0.001e-99999999999999999999"), 0);
    EXPECT_EQ(ParseReal("0.001E-9223372036854775808"), 0);
    // Not numbers: empty, expressions, stray characters, locale decimal commas.
    for (const char *text : {"", "  ", "1+2", "e5", ".", "-", "1e", "1e+", "1,5", "0x10", "inf",
                             "nan", "1 2", "--1", "1.2.3"}) {
        EXPECT_FALSE(ParseReal(text)) << text;
    }
}

TEST(RealText, ComplexForms)
{
    EXPECT_EQ(FormatComplex(3, 2), "3+2i");
    EXPECT_EQ(FormatComplex(3, -2), "3-2i");
    EXPECT_EQ(FormatComplex(0, 1.5), "0+1.5i");
    EXPECT_EQ(FormatComplex(4, 0), "4+0i");

    using Outcome = ComplexEntry::Outcome;
    auto expectComplex = [](const char *text, double real, double imaginary) {
        const ComplexEntry entry = ParseComplex(text);
        EXPECT_EQ(entry.outcome, Outcome::Complex) << text;
        EXPECT_EQ(entry.real, real) << text;
        EXPECT_EQ(entry.imaginary, imaginary) << text;
    };
    expectComplex("-3+2i", -3, 2);
    expectComplex("3-2i", 3, -2);
    expectComplex("-3-2i", -3, -2);
    expectComplex("1E-5+2i", 0.00001, 2);
    expectComplex("0+1I", 0, 1);
    // A sign inside an exponent separates nothing: every text FormatComplex
    // writes reads back.
    expectComplex("1E-5-2i", 0.00001, -2);
    expectComplex("-2.5E-7-1E-5i", -2.5e-7, -0.00001);
    expectComplex("1e+3+2E-2i", 1000, 0.02);
    // The parts of an a+bi text have no range check.
    expectComplex("1E150+0i", 1e150, 0);

    // Without a trailing i the text is a real: only the real part changes, and
    // the range check applies.
    const ComplexEntry real = ParseComplex("7.5");
    EXPECT_EQ(real.outcome, Outcome::RealOnly);
    EXPECT_EQ(real.real, 7.5);
    EXPECT_EQ(ParseComplex("1E100").outcome, Outcome::InvalidReal);
    EXPECT_EQ(ParseComplex("abc").outcome, Outcome::InvalidReal);
    EXPECT_EQ(ParseComplex("").outcome, Outcome::InvalidReal);

    // No separator, or an empty or unparsable part.
    for (const char *text : {"2i", "3+i", "i", "+2i", "3+2xi", "-2i"}) {
        EXPECT_EQ(ParseComplex(text).outcome, Outcome::InvalidComplex) << text;
    }
}

} // namespace
} // namespace vexil::varfile
