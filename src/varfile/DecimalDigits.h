// SPDX-License-Identifier: GPL-3.0-or-later
// A double rounded to 14 significant decimal digits, shared by the encoder and the
// display text so both always agree on the digits.
#pragma once

#include <array>

namespace vexil::varfile {

inline constexpr int kSignificantDigits = 14;

struct DecimalDigits {
    bool negative = false;
    bool zero = true;
    std::array<int, kSignificantDigits> digits{}; // d1..d14, d1 != 0 unless zero
    int exponent = 0;                             // value = d1.d2...d14 x 10^exponent
};

// Rounds half away from zero, judged on the exact binary value so that a tie is a
// tie only when the double really lies halfway. `value` must be finite.
DecimalDigits RoundToDigits(double value);

// The double nearest to the digits (correctly rounded).
double DigitsToDouble(const DecimalDigits &decimal);

} // namespace vexil::varfile
