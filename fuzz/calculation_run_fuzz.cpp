// Fuzz target: a whole calculation run from nine arbitrary box texts, with
// the report written to memory. The input holds the texts separated by '|'
// in the order Text1, Text2, Text10, Text3, Text4, Text5, Text6, Text7, Text8.
//
// Checks: the run ends with rows or a CalculationFailure, nothing else; every
// report line ends with CRLF; every row line holds its ten items; every
// layout is " 6-300" or a series diameter '@' a spacing of 0..300 in tens;
// no row shows a non-finite number or "-0".
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "calculation_run.h"
#include "failure.h"
#include "report_file.h"
#include "result_list_text.h"

namespace {

using namespace tavrel;

constexpr std::array<InputBox, 9> kBoxes = {InputBox::Text1, InputBox::Text2, InputBox::Text10,
                                            InputBox::Text3, InputBox::Text4, InputBox::Text5,
                                            InputBox::Text6, InputBox::Text7, InputBox::Text8};

void Check(bool condition) {
    if (!condition) std::abort();
}

class FuzzInputs : public RunInputs {
public:
    explicit FuzzInputs(std::string_view data) {
        std::size_t box = 0;
        for (char c : data) {
            if (c == '|' && box + 1 < m_texts.size()) {
                ++box;
            } else {
                m_texts[box] += c;
            }
        }
    }
    std::string InputText(InputBox box) const override {
        const auto at = std::find(kBoxes.begin(), kBoxes.end(), box) - kBoxes.begin();
        return m_texts[static_cast<std::size_t>(at)];
    }
    int SaveBoxState() const override { return 1; }

private:
    std::array<std::string, 9> m_texts;
};

class ListedRows : public ResultList {
public:
    void ClearResultList() override { rows.clear(); }
    void AddResultRow(const ResultRow& row) override { rows.push_back(row); }
    std::vector<ResultRow> rows;
};

bool IsNumberToken(std::string_view token) {
    // [-]digits[.digits][E(+|-)digits], as the number formatting writes them
    if (token == "-0") return false;
    std::size_t i = token.substr(0, 1) == "-" ? 1 : 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9') ++i;
        return i > start;
    };
    if (!digits()) return false;
    if (i < token.size() && token[i] == '.' && (++i, !digits())) return false;
    if (i < token.size() && token[i] == 'E') {
        ++i;
        if (i >= token.size() || (token[i] != '+' && token[i] != '-')) return false;
        ++i;
        if (!digits()) return false;
    }
    return i == token.size();
}

bool IsSeriesDiameter(std::string_view text) {
    for (std::string_view d : {"6", "8", "10", "12", "14", "16", "18", "20", "22", "25"})
        if (text == d) return true;
    return false;
}

bool IsSpacing(std::string_view text) {
    if (text.empty() || text.size() > 3) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value % 10 == 0 && value <= 300 && std::to_string(value) == text;
}

bool IsLayout(std::string_view text) {
    if (text == " 6-300") return true;
    const std::size_t at = text.find("@ ");
    return text.substr(0, 1) == " " && at != std::string_view::npos &&
           IsSeriesDiameter(text.substr(1, at - 1)) && IsSpacing(text.substr(at + 2));
}

std::vector<std::string_view> Tokens(std::string_view line) {
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ') ++i;
        if (i > start) tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

// A row line: width, steel area I, three layouts, steel area II, three
// layouts, h0. A
// layout is one token ("6-300") or two ("8@", "70").
void CheckRowLine(std::string_view line) {
    const std::vector<std::string_view> tokens = Tokens(line);
    std::size_t t = 0;
    const auto number = [&] { Check(t < tokens.size() && IsNumberToken(tokens[t++])); };
    const auto layout = [&] {
        Check(t < tokens.size());
        if (tokens[t] == "6-300") {
            ++t;
            return;
        }
        const std::string_view diameter = tokens[t++];
        Check(diameter.size() > 1 && diameter.back() == '@' &&
              IsSeriesDiameter(diameter.substr(0, diameter.size() - 1)));
        Check(t < tokens.size() && IsSpacing(tokens[t++]));
    };
    number();  // width
    for (int grade = 0; grade < 2; ++grade) {
        number();  // steel area
        for (int i = 0; i < 3; ++i) layout();
    }
    number();  // h0
    Check(t == tokens.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInputs inputs(std::string_view(reinterpret_cast<const char*>(data), size));
    std::string bytes;
    ReportFile report(ReportEncoding::Cp936,
                      [&bytes] { return std::make_unique<StringOutput>(bytes); });
    ListedRows list;
    try {
        CalculationRun(inputs, list, report);
    } catch (const CalculationFailure&) {
        // A failure of the run is an outcome; anything else escapes and crashes.
    }
    Check(!report.IsOpen());

    std::vector<std::string_view> lines;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const std::size_t end = rest.find("\r\n");
        Check(end != std::string_view::npos);
        lines.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 2);
    }
    // The header lines are written whenever the report opens, even if the
    // run then fails before any row.
    if (!lines.empty()) Check(lines.size() >= 2);
    const std::size_t rowLines = lines.size() < 2 ? 0 : lines.size() - 2;
    Check(rowLines == list.rows.size());
    for (std::size_t i = 2; i < lines.size(); ++i) CheckRowLine(lines[i]);

    for (const ResultRow& row : list.rows) {
        const auto columns = ResultListColumns(row);
        for (std::size_t c = 0; c < 4; ++c) Check(IsNumberToken(columns[c]));
        for (std::size_t c = 4; c < 10; ++c) Check(IsLayout(columns[c]));
    }
    return 0;
}
