// Double arithmetic one operation at a time, failing instead of producing
// an infinity or a NaN. Each helper is exactly one IEEE operation; the build
// forbids contracting them into fused multiply-adds.
#pragma once

#include <cmath>

#include "failure.h"

namespace tavrel::checked {

// Out of line so that the helpers below stay small enough to inline.
[[noreturn]] void Fail(FailureKind kind);

inline double Finite(double value) {
    if (!std::isfinite(value)) [[unlikely]]
        Fail(FailureKind::Overflow);
    return value;
}

inline double Add(double a, double b) { return Finite(a + b); }
inline double Sub(double a, double b) { return Finite(a - b); }
inline double Mul(double a, double b) { return Finite(a * b); }

inline double Div(double a, double b) {
    if (b == 0) [[unlikely]]
        Fail(FailureKind::DivisionByZero);
    return Finite(a / b);
}

inline double Sqrt(double a) {
    if (a < 0) [[unlikely]]
        Fail(FailureKind::NegativeSquareRoot);
    return std::sqrt(a);
}

}  // namespace tavrel::checked
