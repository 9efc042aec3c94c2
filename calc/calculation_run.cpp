#include "calculation_run.h"

#include "bar_layout.h"
#include "checked_math.h"
#include "failure.h"
#include "number_rules.h"

namespace tavrel {
namespace {

using namespace checked;

// The run attaches the footing width to any failure raised while it works on one.
template <typename Body>
void AtWidth(double w, Body&& body) {
    try {
        body();
    } catch (const CalculationFailure& failure) {
        throw failure.AtWidth(w);
    }
}

std::int32_t CheckedSlot(double w) {
    const std::int32_t k = SlotOfWidth(w);
    if (k < 0 || k >= kWidthSlots) throw CalculationFailure(FailureKind::NoSlot, w);
    return k;
}

// Runs body(w) for w = first, first + 100, ... while w <= end. The end is
// fixed when the loop begins; every body checks its slot first, so a loop
// that would run away fails at 8600 mm at the latest.
template <typename Body>
void ForEachWidth(double first, double end, Body&& body) {
    for (double w = first; w <= end; w = w + 100) AtWidth(w, [&] { body(w); });
}

}  // namespace

std::int32_t SlotOfWidth(double width) {
    const double index = width / 100 - 5;
    try {
        return RoundHalfEven(index);
    } catch (const CalculationFailure&) {
        throw CalculationFailure(FailureKind::NoSlot, width);
    }
}

void SectionDesign(const DesignInputs& inputs, double w, double h, WidthTable& table) {
    AtWidth(w, [&] {
        const double q = inputs.netPressure;
        const double a = inputs.wallWidth;

        // Cantilever moment at the wall face per metre of footing, N.mm.
        double m = Mul(q, 0.5);
        m = Mul(m, Sub(w, a));
        m = Mul(m, Sub(w, a));
        m = Div(m, 4);

        const std::int32_t k = CheckedSlot(w);
        double h0 = Sub(h, inputs.cover);

        // Effective depth that the shear check requires, mm.
        double r = Mul(q, 0.5);
        r = Mul(r, Sub(w, a));
        r = Div(r, 0.07);
        r = Div(r, 10000);

        // Raise to the next multiple of 50 strictly above r.
        if (h0 < r) h0 = Mul(50, Add(TruncateTowardZero(Div(r, 50)), 1));

        const double lever = Div(m, 0.9);
        const double areaI = TruncateTowardZero(Div(Div(lever, 210), h0));
        const double areaII = TruncateTowardZero(Div(Div(lever, 310), h0));

        table[static_cast<std::size_t>(k)] = {Cell::Number(h0), Cell::Number(areaI),
                                              Cell::Number(areaII)};
    });
}

void CalculationRun(const RunInputs& inputs, ResultList& list, ReportSink& report) {
    WidthTable table;
    list.ClearResultList();

    const auto parse = [&](InputBox box) { return ParseNumberText(inputs.InputText(box)); };
    DesignInputs design;
    design.netPressure = parse(InputBox::Text1);
    design.wallWidth = parse(InputBox::Text2);
    design.cover = parse(InputBox::Text10);

    const bool reporting =
        inputs.SaveBoxState() == 1 &&
        report.OpenReport(inputs.InputText(InputBox::Text1), inputs.InputText(InputBox::Text2),
                          inputs.InputText(InputBox::Text10));

    try {
        // Each range pass designs its widths with its own height; a width on a
        // range boundary is designed twice and the later range's values stand.
        // The height box is read at each width, the ends when a loop begins.
        design.rangeWidth1 = parse(InputBox::Text3);
        ForEachWidth(600, design.rangeWidth1, [&](double w) {
            design.rangeHeight1 = parse(InputBox::Text4);
            SectionDesign(design, w, design.rangeHeight1, table);
        });
        const double start2 = parse(InputBox::Text3);
        design.rangeWidth2 = parse(InputBox::Text5);
        ForEachWidth(start2, design.rangeWidth2, [&](double w) {
            design.rangeHeight2 = parse(InputBox::Text6);
            SectionDesign(design, w, design.rangeHeight2, table);
        });
        const double start3 = parse(InputBox::Text5);
        design.rangeWidth3 = parse(InputBox::Text7);
        ForEachWidth(start3, design.rangeWidth3, [&](double w) {
            design.rangeHeight3 = parse(InputBox::Text8);
            SectionDesign(design, w, design.rangeHeight3, table);
        });

        // The row in hand; its layout texts are overwritten at each width.
        ResultRow row;
        ForEachWidth(600, parse(InputBox::Text7), [&](double w) {
            const WidthSlot& slot = table[static_cast<std::size_t>(CheckedSlot(w))];
            // A width between two halfway range starts is never designed; it
            // must not pass for a width that needs no steel.
            if (slot.h0.IsEmpty()) throw CalculationFailure(FailureKind::EmptySlot, w);
            row.width = Cell::Number(w);
            row.steelAreaI = slot.steelAreaI;
            pj(row.steelAreaI, row.layoutI1, row.layoutI2, row.layoutI3);
            row.steelAreaII = slot.steelAreaII;
            pj(row.steelAreaII, row.layoutII1, row.layoutII2, row.layoutII3);
            row.h0 = slot.h0;
            if (reporting) report.WriteReportRow(row);
            list.AddResultRow(row);
        });
    } catch (...) {
        if (reporting) {
            // Keep what was written; the original failure is what the user needs
            // to hear about, not a second one while closing.
            try {
                report.CloseReport();
            } catch (...) {
            }
        }
        throw;
    }
    if (reporting) report.CloseReport();
}

}  // namespace tavrel
