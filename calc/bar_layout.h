// Bar layout selection: three alternative bar layouts for one steel area.
#pragma once

#include "cell.h"

namespace tavrel {

// The layout text used whenever the spacing would exceed 300 mm: 6 mm bars
// at the largest spacing.
inline constexpr const char* kMinimumLayout = " 6-300";

// Sets asout1..asout3 to three layouts (" 8@ 70", " 10@ 110", " 12@ 160")
// for the steel area `asin` in mm^2 per metre: three neighbouring diameters
// of the series 6..22, 25 around the diameter that gives the area at 150 mm,
// each at the spacing (a multiple of 10 mm) that gives at least the area.
//
// An area of zero needs no steel and gives kMinimumLayout three times.
// Throws CalculationFailure (NegativeSquareRoot for a negative area,
// EmptySlot for an empty cell, Overflow for a non-finite step) before any
// output is written.
void pj(const Cell& asin, Cell& asout1, Cell& asout2, Cell& asout3);

}  // namespace tavrel
