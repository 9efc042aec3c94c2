// How input texts become numbers and numbers become texts.
//
// The printed results depend on the last bit of these rules: steel areas and
// spacings are truncated and slot indices rounded, so each rule is exact.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "cell.h"

namespace tavrel {

// The number at the start of a text. Blanks, tabs and line feeds are skipped
// anywhere; then an optional sign, digits with at most one point, and an
// optional exponent (E or D, either case, optional sign, digits). Reading
// stops at the first character that cannot continue the number; a text
// without a leading number gives 0. The point is the decimal separator
// whatever the locale. Throws CalculationFailure(Overflow) for a number too
// large for a double; a number too small becomes zero.
double ParseNumberText(std::string_view text);

// The integer part toward zero, still a double (it may exceed any integer type).
// Inline and without a library call: it runs several times per footing width.
inline double TruncateTowardZero(double value) {
    // From 2^52 on every double is whole already (and NaN stays NaN).
    if (!(std::fabs(value) < 4503599627370496.0)) return value;
    // The integer conversion truncates toward zero; copysign keeps -0.9 -> -0.
    return std::copysign(static_cast<double>(static_cast<std::int64_t>(value)), value);
}

// The nearest integer, exact halves to the even neighbour. Throws
// CalculationFailure(Overflow) when the result is not a 32-bit integer.
std::int32_t RoundHalfEven(double value);

// A number with a sign position: " 8", " 150", " 0", "-20"; a fraction keeps
// FormatPlainNumber's digits (" 247.5"). Negative zero shows as " 0".
std::string FormatSignedNumber(double value);

// A number without sign position, at most 15 significant digits and no
// trailing zeros: "600", "247.5", "0.2"; outside 1E-4 up to below 1E+15 the
// exponent form "1E+15", "1.5E-05". Negative zero shows as "0".
std::string FormatPlainNumber(double value);

// A cell as the results list shows it.
std::string PlainText(const Cell& cell);

}  // namespace tavrel
