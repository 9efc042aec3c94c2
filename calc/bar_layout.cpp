#include "bar_layout.h"

#include <charconv>

#include "checked_math.h"
#include "number_rules.h"

namespace tavrel {
namespace {

using namespace checked;

// Above 22 mm the bar series goes on with 25, not 24.
double LimitToSeries(double diameter) { return diameter > 22 ? 25 : diameter; }

// A layout text built in place; at most 8 characters (" 25@ 300").
struct LayoutText {
    char text[16];
    std::size_t size = 0;
    std::string_view View() const { return {text, size}; }
};

LayoutText Layout(double diameter, double area) {
    // Spacing at which bars of this diameter give the area, rounded down to
    // 10 mm: one bar is 3.1415926 d^2 / 4 mm^2, at s mm that is 1000 x ... / s.
    double s = Mul(314.15926, diameter);
    s = Mul(s, diameter);
    s = Div(s, 4);
    s = Div(s, area);
    s = Mul(10, TruncateTowardZero(s));

    LayoutText out;
    const std::string_view minimum = kMinimumLayout;
    if (s > 300) {
        out.size = minimum.copy(out.text, sizeof out.text);
        return out;
    }
    // Diameter (6..25) and spacing (0..300) each with the blank of their sign
    // position, as FormatSignedNumber writes them; done here without the
    // temporaries since this runs six times per footing width.
    char* end = out.text;
    *end++ = ' ';
    end = std::to_chars(end, out.text + sizeof out.text, static_cast<int>(diameter)).ptr;
    *end++ = '@';
    *end++ = ' ';
    end = std::to_chars(end, out.text + sizeof out.text, static_cast<int>(s)).ptr;
    out.size = static_cast<std::size_t>(end - out.text);
    return out;
}

}  // namespace

void pj(const Cell& asin, Cell& asout1, Cell& asout2, Cell& asout3) {
    if (asin.IsEmpty()) throw CalculationFailure(FailureKind::EmptySlot);
    const double area = asin.NumberValue();
    if (area == 0) {
        // No steel needed: the spacing would be infinite, so the widest layout.
        asout1.SetText(kMinimumLayout);
        asout2.SetText(kMinimumLayout);
        asout3.SetText(kMinimumLayout);
        return;
    }

    // Diameter whose bars at 150 mm give exactly the area.
    double r = Mul(area, 0.6);
    r = Div(r, 3.1415926);
    r = Sqrt(r);

    // The largest even number not above r, less 2, kept within 6..25.
    double d1 = Mul(2, Sub(TruncateTowardZero(Mul(0.5, r)), 1));
    if (d1 < 6) d1 = 6;
    d1 = LimitToSeries(d1);
    const double d2 = LimitToSeries(Add(d1, 2));
    const double d3 = LimitToSeries(Add(d1, 4));

    // Compute all three before writing any, so a failure leaves the outputs as they were.
    const LayoutText text1 = Layout(d1, area);
    const LayoutText text2 = Layout(d2, area);
    const LayoutText text3 = Layout(d3, area);
    asout1.SetText(text1.View());
    asout2.SetText(text2.View());
    asout3.SetText(text3.View());
}

}  // namespace tavrel
