// SPDX-License-Identifier: GPL-3.0-or-later
// Calculator numbers as text: the display form the editors show, the typed form
// they accept, and the a+bi form of complex list elements. The decimal point is
// always "." whatever the desktop's locale says.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexil::varfile {

inline constexpr const char *kInvalidRealMessage =
    "Invalid floating point number entered.  Please note that only numbers from -1E100 to "
    "1E100 (exclusive) are valid, and that you cannot enter an expression to be evaluated.";

inline constexpr const char *kInvalidComplexMessage =
    "Invalid complex number entered.  Complex numbers must be entered in the form a+bi or "
    "a-bi, where a and b are reals.  If there is no real part to the complex number (i.e., "
    "a = 0), you must enter the number as 0+bi or 0-bi.";

// 14 significant digits; fixed notation from 0.0001 up to 14 integer digits
// (123.45, -0.5, 100), scientific outside it (1E-5, -2.5E-7, 1E14).
std::string FormatReal(double value);

// Blanks around, an optional sign, digits with an optional ".", an optional
// exponent. Anything else (an empty text, an expression) gives nothing. A value
// too large for a double comes back infinite, so CheckRange refuses it.
std::optional<double> ParseReal(std::string_view text);

// "3+2i", "3-2i", "0+1.5i", "4+0i".
std::string FormatComplex(double real, double imaginary);

struct ComplexEntry {
    enum class Outcome {
        RealOnly,       // no trailing "i": only the real part is replaced
        Complex,        // both parts given
        InvalidReal,    // show kInvalidRealMessage
        InvalidComplex, // show kInvalidComplexMessage
    };
    Outcome outcome;
    double real = 0;
    double imaginary = 0; // meaningful for Complex only
};

// The complex list element's typed text. A plain real is range-checked; the two
// parts of an a+bi text are not.
ComplexEntry ParseComplex(std::string_view text);

} // namespace vexil::varfile
