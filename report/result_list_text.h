// The results list as plain text: its column headers and, for each row, the
// ten column texts in the list's own order. For the batch tool's --list and
// anything else that copies the table (a spreadsheet takes tab-separated
// lines).
#pragma once

#include <array>
#include <string>

#include "calculation_run.h"

namespace tavrel {

// Footing width, steel areas (grades I and II), effective depth, then the
// three layouts of each grade.
inline constexpr std::array<const char*, 10> kResultListHeaders = {
    "L", "I", "II", "Ho", "ASI", "ASI", "ASI", "ASII", "ASII", "ASII"};

// The row's values in the list's column order, each as PlainText gives it:
// width, steelAreaI, steelAreaII, h0, layoutI1..3, layoutII1..3.
std::array<std::string, 10> ResultListColumns(const ResultRow& row);

// The texts joined by tabs, with no line end.
std::string TabSeparated(const std::array<std::string, 10>& columns);

// The header line, tab-separated, with no line end.
std::string ResultListHeaderLine();

}  // namespace tavrel
