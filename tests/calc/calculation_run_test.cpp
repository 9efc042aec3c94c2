#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "failure.h"
#include "number_rules.h"
#include "recording_sinks.h"

namespace tavrel {
namespace {

using testing::CallLog;
using testing::DefaultTexts;
using testing::MapInputs;
using testing::RecordingList;
using testing::RecordingReport;

// (h0, steelAreaI, steelAreaII) of one listed width.
struct Design {
    double width, h0, areaI, areaII;
};

struct RunOutcome {
    std::vector<ResultRow> rows;
    std::optional<CalculationFailure> failure;
};

RunOutcome RunWith(std::map<InputBox, std::string> changes) {
    auto texts = DefaultTexts();
    for (auto& [box, text] : changes) texts[box] = text;
    MapInputs inputs(texts);
    RecordingList list;
    RecordingReport report;
    RunOutcome outcome;
    try {
        CalculationRun(inputs, list, report);
    } catch (const CalculationFailure& failure) {
        outcome.failure = failure;
    }
    outcome.rows = list.rows;
    return outcome;
}

const ResultRow* RowFor(const std::vector<ResultRow>& rows, double width) {
    for (const auto& row : rows)
        if (row.width.NumberValue() == width) return &row;
    return nullptr;
}

void ExpectDesigns(const RunOutcome& outcome, const std::vector<Design>& designs) {
    for (const auto& d : designs) {
        const ResultRow* row = RowFor(outcome.rows, d.width);
        ASSERT_NE(row, nullptr) << "no row for " << d.width;
        EXPECT_EQ(row->h0, Cell::Number(d.h0)) << d.width;
        EXPECT_EQ(row->steelAreaI, Cell::Number(d.areaI)) << d.width;
        EXPECT_EQ(row->steelAreaII, Cell::Number(d.areaII)) << d.width;
    }
}

std::vector<double> Widths(const std::vector<ResultRow>& rows) {
    std::vector<double> widths;
    for (const auto& row : rows) widths.push_back(row.width.NumberValue());
    return widths;
}

std::vector<double> Steps(double first, double last) {
    std::vector<double> widths;
    for (double w = first; w <= last; w += 100) widths.push_back(w);
    return widths;
}

TEST(CalculationRun, DefaultInputsGiveTheKnownTable) {
    const auto outcome = RunWith({});
    ASSERT_FALSE(outcome.failure) << outcome.failure->what();
    EXPECT_EQ(Widths(outcome.rows), Steps(600, 4000));
    // 2000 and 3000 lie on range boundaries: the later range's design stands.
    ExpectDesigns(outcome, {{600, 250, 34, 23},
                            {1900, 250, 728, 493},
                            {2000, 300, 682, 462},
                            {3000, 350, 1439, 975},
                            {4000, 350, 2671, 1809}});

    const auto cells = [](std::vector<const char*> texts) {
        std::vector<Cell> out;
        for (const char* t : texts) out.push_back(Cell::Text(t));
        return out;
    };
    const auto layouts = [](const ResultRow& r) {
        return std::vector<Cell>{r.layoutI1,  r.layoutI2,  r.layoutI3,
                                 r.layoutII1, r.layoutII2, r.layoutII3};
    };
    EXPECT_EQ(layouts(*RowFor(outcome.rows, 600)),
              cells({" 6-300", " 6-300", " 6-300", " 6-300", " 6-300", " 6-300"}));
    EXPECT_EQ(layouts(*RowFor(outcome.rows, 1300)),
              cells({" 6@ 90", " 8@ 160", " 10@ 260", " 6@ 140", " 8@ 250", " 6-300"}));
    EXPECT_EQ(layouts(*RowFor(outcome.rows, 2000)),
              cells({" 8@ 70", " 10@ 110", " 12@ 160", " 6@ 60", " 8@ 100", " 10@ 160"}));
    ExpectDesigns(outcome, {{1300, 250, 297, 201}});
}

TEST(CalculationRun, ShearCheckRaisesH0ToTheNextMultipleOf50) {
    // q = 500: at 1500 mm the required depth is exactly 450, which still raises
    // h0 to 500. Only the written order (/ 0.07, then / 10000) gives exactly
    // 450: dividing by 0.07 x 10000 or by 10000 first gives 449.99999999999994
    // and h0 = 450, so this row also pins the order of operations.
    ExpectDesigns(RunWith({{InputBox::Text1, "500"}}),
                  {{600, 250, 171, 116}, {1500, 500, 1050, 711}, {2000, 650, 1575, 1067}});
    // A height equal to the cover leaves h0 = 0 before the check raises it.
    ExpectDesigns(RunWith({{InputBox::Text4, "50"}}), {{600, 50, 171, 116}, {1900, 150, 1214, 823}});
}

TEST(CalculationRun, RangeStartsOffTheGrid) {
    // Rows carry the row pass's width but the slot's design: 2000 shows 2030's.
    const auto at2030 = RunWith({{InputBox::Text3, "2030"}});
    ASSERT_FALSE(at2030.failure);
    ExpectDesigns(at2030, {{2000, 300, 706, 478}, {2100, 300, 787, 533}});

    // Pass 2 starts below 600 and fills slot 0, which is never listed.
    const auto at500 = RunWith({{InputBox::Text3, "500"}});
    ASSERT_FALSE(at500.failure);
    EXPECT_EQ(Widths(at500.rows), Steps(600, 4000));
    ExpectDesigns(at500, {{600, 300, 28, 19}});
}

TEST(CalculationRun, HalfwayRangeStartLeavesAnEmptySlot) {
    // From 2050, widths 2150 and 2250 both round to even slots; 2200's stays empty.
    const auto outcome = RunWith({{InputBox::Text3, "2050"}});
    EXPECT_EQ(Widths(outcome.rows), Steps(600, 2100));
    ExpectDesigns(outcome, {{2000, 250, 819, 555}, {2100, 300, 804, 544}});
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->Kind(), FailureKind::EmptySlot);
    EXPECT_EQ(outcome.failure->Width(), 2200);
    EXPECT_STREQ(outcome.failure->what(), "no design for width 2200 mm");
}

struct FailureCase {
    const char* name;
    std::map<InputBox, std::string> changes;
    FailureKind kind;
    std::optional<double> width;
    double lastRow;  // 0: the list stays empty
};

TEST(CalculationRun, FailuresStopAtTheFailingStep) {
    const FailureCase cases[] = {
        {"pass 2 starts below slot 0", {{InputBox::Text3, "400"}}, FailureKind::NoSlot, 400, 0},
        {"pass 3 reaches slot 81", {{InputBox::Text7, "8600"}}, FailureKind::NoSlot, 8600, 0},
        {"row pass reaches slot 81 after 80 rows",
         {{InputBox::Text5, "3030"}, {InputBox::Text7, "8600"}}, FailureKind::NoSlot, 8600, 8500},
        {"slot index beyond 32 bits", {{InputBox::Text5, "-1e12"}}, FailureKind::NoSlot, -1e12,
         0},
        {"zero h0 and zero moment", {{InputBox::Text1, "0"}, {InputBox::Text4, "50"}},
         FailureKind::DivisionByZero, 600, 0},
        {"negative soil pressure gives negative areas", {{InputBox::Text1, "-100"}},
         FailureKind::NegativeSquareRoot, 600, 0},
        {"moment too large for a double", {{InputBox::Text1, "1e306"}}, FailureKind::Overflow,
         600, 0},
        {"soil pressure text too large", {{InputBox::Text1, "1e400"}}, FailureKind::Overflow,
         std::nullopt, 0},
        {"range end text too large", {{InputBox::Text7, "9e999"}}, FailureKind::Overflow,
         std::nullopt, 0},
        {"height text too large, read at the first width of pass 3",
         {{InputBox::Text8, "1e400"}}, FailureKind::Overflow, 3000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto outcome = RunWith(c.changes);
        ASSERT_TRUE(outcome.failure);
        EXPECT_EQ(outcome.failure->Kind(), c.kind);
        EXPECT_EQ(outcome.failure->Width(), c.width);
        EXPECT_EQ(Widths(outcome.rows), c.lastRow ? Steps(600, c.lastRow) : std::vector<double>{});
    }
}

TEST(CalculationRun, SlotLimitsAreInclusive) {
    const auto outcome = RunWith({{InputBox::Text7, "8550"}});
    ASSERT_FALSE(outcome.failure);
    EXPECT_EQ(Widths(outcome.rows), Steps(600, 8500));
    // 450 rounds half to even into slot 0 and is designed; the run fails only
    // later, at 600, whose slot the halfway start skipped.
    const auto from450 = RunWith({{InputBox::Text3, "450"}});
    ASSERT_TRUE(from450.failure);
    EXPECT_EQ(from450.failure->Kind(), FailureKind::EmptySlot);
    EXPECT_EQ(from450.failure->Width(), 600);
}

TEST(CalculationRun, NoSteelNeededIsNotAFailure) {
    // The wall is as wide as the first footing: no moment, no steel at 600.
    for (const auto& changes : std::vector<std::map<InputBox, std::string>>{
             {{InputBox::Text2, "600"}}, {{InputBox::Text1, "0"}}}) {
        const auto outcome = RunWith(changes);
        ASSERT_FALSE(outcome.failure) << outcome.failure->what();
        const ResultRow& row = outcome.rows.front();
        EXPECT_EQ(row.steelAreaI, Cell::Number(0));
        EXPECT_EQ(row.layoutI1, Cell::Text(" 6-300"));
        EXPECT_EQ(row.layoutII3, Cell::Text(" 6-300"));
    }
}

TEST(CalculationRun, HeightBoxIsReadOnlyForWidthsOfItsPass) {
    // Range 3 ends below its start, so its height box is never read.
    const auto outcome = RunWith({{InputBox::Text7, "2900"}, {InputBox::Text8, "1e400"}});
    ASSERT_FALSE(outcome.failure) << outcome.failure->what();
    EXPECT_EQ(Widths(outcome.rows), Steps(600, 2900));
}

TEST(CalculationRun, FractionalHeightGivesFractionalH0) {
    const auto outcome = RunWith({{InputBox::Text4, "300.5"}});
    ASSERT_FALSE(outcome.failure);
    EXPECT_EQ(PlainText(RowFor(outcome.rows, 600)->h0), "250.5");
}

TEST(CalculationRun, ReportGetsEachRowBeforeTheList) {
    CallLog log;
    MapInputs inputs(DefaultTexts(), 1);
    inputs.texts[InputBox::Text1] = " 100kN";
    inputs.texts[InputBox::Text7] = "700";
    RecordingList list(&log);
    RecordingReport report(&log);
    CalculationRun(inputs, list, report);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"clear", "open", "report row", "list row",
                                                   "report row", "list row", "close"}));
    // The header shows the texts as typed, not the parsed numbers.
    EXPECT_EQ(report.headerTexts, (std::vector<std::string>{" 100kN", "240", "50"}));
    EXPECT_EQ(report.rows, list.rows);
}

TEST(CalculationRun, ReportOnlyWhenTheBoxIsTickedAndAFileChosen) {
    struct Case {
        const char* name;
        int saveBox;
        bool chooseFile;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"unticked", 0, true, {"clear", "list row"}},
        {"greyed", 2, true, {"clear", "list row"}},
        {"ticked, chooser cancelled", 1, false, {"clear", "open", "list row"}},
    };
    for (const auto& c : cases) {
        CallLog log;
        MapInputs inputs(DefaultTexts(), c.saveBox);
        inputs.texts[InputBox::Text7] = "600";
        RecordingList list(&log);
        RecordingReport report(&log, c.chooseFile);
        CalculationRun(inputs, list, report);
        EXPECT_EQ(log.calls, c.calls) << c.name;
    }
}

TEST(CalculationRun, FailedRunClosesTheReportAfterTheRowsWritten) {
    CallLog log;
    MapInputs inputs(DefaultTexts(), 1);
    inputs.texts[InputBox::Text3] = "2050";
    RecordingList list(&log);
    RecordingReport report(&log);
    EXPECT_THROW(CalculationRun(inputs, list, report), CalculationFailure);
    EXPECT_EQ(report.rows.size(), 16u);
    EXPECT_EQ(log.calls.back(), "close");
}

TEST(CalculationRun, SecondRunClearsFirst) {
    MapInputs inputs;
    RecordingList list;
    RecordingReport report;
    CalculationRun(inputs, list, report);
    CalculationRun(inputs, list, report);
    EXPECT_EQ(list.rows.size(), 35u);
}

}  // namespace
}  // namespace tavrel
