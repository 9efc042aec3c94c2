#include "print_zone_writer.h"

#include <algorithm>

#include "number_rules.h"

namespace tavrel {

namespace {

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }

}  // namespace

void PrintZoneWriter::WriteText(std::string_view text, ItemSeparator after) {
    // A box text may carry a pasted line break or tab. Written as it is, a
    // line break would split the header line and shift every row of the
    // file; a tab or another control character has no column width. Each
    // becomes '?', as a character the code page cannot hold does.
    std::string cleaned;
    if (std::any_of(text.begin(), text.end(), IsControl)) {
        cleaned.assign(text);
        std::replace_if(cleaned.begin(), cleaned.end(), IsControl, '?');
        text = cleaned;
    }
    const EncodedText encoded = m_encoder.Encode(text);
    Put(encoded.bytes, encoded.columns, after);
}

void PrintZoneWriter::WriteCell(const Cell& cell, ItemSeparator after) {
    if (cell.IsNumber()) {
        // Sign position, digits, one blank; negative zero prints as ' 0 '.
        std::string text = FormatSignedNumber(cell.NumberValue());
        text += ' ';
        Put(text, text.size(), after);
    } else if (cell.IsText()) {
        WriteText(cell.TextValue(), after);
    } else {
        Put({}, 0, after);
    }
}

void PrintZoneWriter::Put(std::string_view bytes, std::size_t columns, ItemSeparator after) {
    m_line.append(bytes);
    // The column that decides the next zone: the item's last character, or
    // for an item that wrote nothing the print position itself.
    const std::size_t decisive = columns > 0 ? m_position + columns - 1 : m_position;
    m_position += columns;
    switch (after) {
        case ItemSeparator::Joined:
            break;
        case ItemSeparator::NextZone: {
            const std::size_t zone = (decisive - 1) / kPrintZoneWidth;  // counted from 0
            const std::size_t next = (zone + 1) * kPrintZoneWidth + 1;
            m_line.append(next - m_position, ' ');
            m_position = next;
            break;
        }
        case ItemSeparator::LineEnd:
            m_line += "\r\n";
            m_position = 1;
            WriteLine();
            break;
    }
}

void PrintZoneWriter::WriteLine() {
    // The line is gone after a failed write too, so that nothing writes it twice.
    struct ClearLine {
        std::string& line;
        ~ClearLine() { line.clear(); }
    } clear{m_line};
    m_output.Write(m_line);
}

}  // namespace tavrel
