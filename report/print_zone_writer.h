// Report lines laid out in print zones of 14 columns, so that each column of
// the footing table begins at a fixed column of its line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cell.h"
#include "report_encoding.h"
#include "report_output.h"

namespace tavrel {

// What follows an item of a report line.
enum class ItemSeparator {
    Joined,    // nothing: the next item begins at the print position
    NextZone,  // blanks up to the first column of the next print zone
    LineEnd,   // carriage return and line feed; the print position returns to 1
};

inline constexpr std::size_t kPrintZoneWidth = 14;

// Writes items into lines and hands each finished line to the output.
//
// The print position counts columns from 1; a Chinese character takes two.
// NextZone moves to the first column of the zone after the one that holds
// the item's last character, so an item that ends exactly on a zone's last
// column lets the next one begin at the very next column, and an item that
// runs past its zone pushes the next one on. An item that writes nothing
// still moves on: NextZone then leaves the zone that holds the print
// position. A line has no maximum width and is never broken.
class PrintZoneWriter {
public:
    PrintZoneWriter(ReportOutput& output, ReportEncoder& encoder)
        : m_output(output), m_encoder(encoder) {}

    // A fixed text or a box text (UTF-8), unchanged, with no blank added;
    // only control characters (line breaks, tabs) become '?', one column each.
    void WriteText(std::string_view text, ItemSeparator after);
    // A number: sign position, the magnitude as FormatPlainNumber writes it,
    // and one trailing blank (' 600 ', '-20 '). A text cell: its text. An
    // empty cell: nothing.
    void WriteCell(const Cell& cell, ItemSeparator after);

    // The column at which the next character goes.
    std::size_t PrintPosition() const { return m_position; }

private:
    void Put(std::string_view bytes, std::size_t columns, ItemSeparator after);
    void WriteLine();

    ReportOutput& m_output;
    ReportEncoder& m_encoder;
    std::string m_line;  // the line in hand, in the report's encoding
    std::size_t m_position = 1;
};

}  // namespace tavrel
