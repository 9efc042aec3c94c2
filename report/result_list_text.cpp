#include "result_list_text.h"

#include "number_rules.h"

namespace tavrel {

std::array<std::string, 10> ResultListColumns(const ResultRow& row) {
    return {PlainText(row.width),     PlainText(row.steelAreaI), PlainText(row.steelAreaII),
            PlainText(row.h0),        PlainText(row.layoutI1),   PlainText(row.layoutI2),
            PlainText(row.layoutI3),  PlainText(row.layoutII1),  PlainText(row.layoutII2),
            PlainText(row.layoutII3)};
}

std::string TabSeparated(const std::array<std::string, 10>& columns) {
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) line += '\t';
        line += columns[i];
    }
    return line;
}

std::string ResultListHeaderLine() {
    std::array<std::string, 10> headers;
    for (std::size_t i = 0; i < headers.size(); ++i) headers[i] = kResultListHeaders[i];
    return TabSeparated(headers);
}

}  // namespace tavrel
