#include <gtest/gtest.h>

#include <string>

#include "bar_layout.h"
#include "failure.h"

namespace tavrel {
namespace {

struct Layouts {
    std::string first, second, third;
    friend bool operator==(const Layouts&, const Layouts&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Layouts& l) {
        return os << "'" << l.first << "' '" << l.second << "' '" << l.third << "'";
    }
};

Layouts Pj(const Cell& area) {
    Cell a, b, c;
    pj(area, a, b, c);
    return {a.TextValue(), b.TextValue(), c.TextValue()};
}

struct LayoutCase {
    double area;
    Layouts layouts;
};

TEST(BarLayout, PicksThreeNeighbouringDiameters) {
    const LayoutCase cases[] = {
        {1, {" 6-300", " 6-300", " 6-300"}},
        {34, {" 6-300", " 6-300", " 6-300"}},
        {91, {" 6-300", " 6-300", " 6-300"}},
        // A spacing of exactly 300 is still shown.
        {92, {" 6@ 300", " 6-300", " 6-300"}},
        {94, {" 6@ 300", " 6-300", " 6-300"}},
        {95, {" 6@ 290", " 6-300", " 6-300"}},
        {165, {" 6@ 170", " 8@ 300", " 6-300"}},
        {168, {" 6@ 160", " 8@ 290", " 6-300"}},
        {297, {" 6@ 90", " 8@ 160", " 10@ 260"}},
        {523, {" 6@ 50", " 8@ 90", " 10@ 150"}},
        {524, {" 8@ 90", " 10@ 140", " 12@ 210"}},
        {682, {" 8@ 70", " 10@ 110", " 12@ 160"}},
        {728, {" 8@ 60", " 10@ 100", " 12@ 150"}},
        {2534, {" 18@ 100", " 20@ 120", " 22@ 150"}},
        // Above 22 the series continues with 25, not 24.
        {2535, {" 20@ 120", " 22@ 140", " 25@ 190"}},
        {3015, {" 20@ 100", " 22@ 120", " 25@ 160"}},
        {3016, {" 22@ 120", " 25@ 160", " 25@ 160"}},
        {3539, {" 22@ 100", " 25@ 130", " 25@ 130"}},
        {3540, {" 25@ 130", " 25@ 130", " 25@ 130"}},
        {49087, {" 25@ 10", " 25@ 10", " 25@ 10"}},
        // The spacing rounds down to 0 and is still shown.
        {49088, {" 25@ 0", " 25@ 0", " 25@ 0"}},
        {1e9, {" 25@ 0", " 25@ 0", " 25@ 0"}},
        // No steel needed: the widest layout rather than a division by zero.
        {0, {" 6-300", " 6-300", " 6-300"}},
        {-0.0, {" 6-300", " 6-300", " 6-300"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Pj(Cell::Number(c.area)), c.layouts) << "A = " << c.area;
}

TEST(BarLayout, FirstDiameterStepsUpAtTheSeriesThresholds) {
    const std::pair<double, const char*> steps[] = {
        {524, " 8@"},   {754, " 10@"},  {1027, " 12@"}, {1341, " 14@"}, {1697, " 16@"},
        {2095, " 18@"}, {2535, " 20@"}, {3016, " 22@"}, {3540, " 25@"}};
    const char* below = " 6@";
    for (const auto& [area, prefix] : steps) {
        EXPECT_EQ(Pj(Cell::Number(area - 1)).first.rfind(below, 0), 0u) << area - 1;
        EXPECT_EQ(Pj(Cell::Number(area)).first.rfind(prefix, 0), 0u) << area;
        below = prefix;
    }
}

TEST(BarLayout, FailuresLeaveTheOutputsUntouched) {
    const std::pair<Cell, FailureKind> cases[] = {
        {Cell::Number(-5), FailureKind::NegativeSquareRoot},
        {Cell(), FailureKind::EmptySlot},
        // 1e-308 mm^2 is not a real area, but no step may produce an infinity.
        {Cell::Number(1e-308), FailureKind::Overflow},
    };
    for (const auto& [area, kind] : cases) {
        Cell a = Cell::Text("x"), b = Cell::Text("y"), c = Cell::Text("z");
        try {
            pj(area, a, b, c);
            ADD_FAILURE() << "no failure";
        } catch (const CalculationFailure& failure) {
            EXPECT_EQ(failure.Kind(), kind);
        }
        EXPECT_EQ(a, Cell::Text("x"));
        EXPECT_EQ(b, Cell::Text("y"));
        EXPECT_EQ(c, Cell::Text("z"));
    }
}

}  // namespace
}  // namespace tavrel
