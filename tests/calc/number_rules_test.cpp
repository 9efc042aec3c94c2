#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "failure.h"
#include "number_rules.h"

namespace tavrel {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    double value;
};

TEST(ParseNumberText, ReadsTheLeadingNumber) {
    const ParseCase cases[] = {
        {"plain", "100", 100},
        {"leading blank", " 240", 240},
        {"trailing blank", "50 ", 50},
        {"blanks inside", " 3 000", 3000},
        {"tab and line feed inside", "2\t0\n00", 2000},
        {"unit after number", "350mm", 350},
        {"comma ends the number", "1,5", 1},
        {"letters only", "abc", 0},
        {"empty", "", 0},
        {"exponent", "4e3", 4000},
        {"capital exponent with sign", "25E-1", 2.5},
        {"D exponent", "1.5d2", 150},
        {"capital D exponent", "2D+3", 2000},
        {"bare exponent letter", "7e", 7},
        {"exponent letter and sign only", "7e+x", 7},
        {"second point ends", "1.2.3", 1.2},
        {"point first", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"point only", ".", 0},
        {"sign only", "-", 0},
        {"negative", "-20", -20},
        {"blank after sign", "- 20", -20},
        {"plus sign", "+7", 7},
        {"two signs", "+-7", 0},
        {"radix prefix is not a number", "&H10", 0},
        {"hex is not read", "0x1A", 0},
        {"inf is not read", "inf", 0},
        {"nan is not read", "nan", 0},
        {"carriage return ends", "1\r2", 1},
        {"many leading zeros", "000000000000000000000000000123", 123},
        {"underflow becomes zero", "1e-400", 0},
        {"huge negative exponent", "1e-99999999999999999999", 0},
        {"subnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"zero with huge exponent", "0e99999", 0},
        // Correct rounding: halfway between two doubles goes to even.
        {"round to even", "9007199254740993", 9007199254740992.0},
        {"long fraction", "0.1000000000000000055511151231257827", 0.1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseNumberText(c.text), c.value) << c.name << ": '" << c.text << "'";
    }
}

TEST(ParseNumberText, NegativeZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(ParseNumberText("-0")));
    EXPECT_TRUE(std::signbit(ParseNumberText("-1e-400")));
}

TEST(ParseNumberText, TooLargeForADoubleIsOverflow) {
    for (const char* text : {"1e400", "-1e400", "1.8e308", "1e99999999999999999999"}) {
        try {
            ParseNumberText(text);
            ADD_FAILURE() << text << " did not fail";
        } catch (const CalculationFailure& failure) {
            EXPECT_EQ(failure.Kind(), FailureKind::Overflow) << text;
        }
    }
}

TEST(TruncateTowardZero, DropsTheFraction) {
    const std::pair<double, double> cases[] = {
        {2.9, 2}, {-2.9, -2}, {0.4, 0}, {34.2857, 34}, {-0.9, 0}, {7, 7}, {1e300, 1e300}};
    for (const auto& [in, out] : cases) EXPECT_EQ(TruncateTowardZero(in), out) << in;
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},   {15.5, 16},
                                            {16.5, 16}, {-4.5, -4}, {1, 1},     {35, 35},
                                            {-0.5, 0}, {80.5, 80}, {81.5, 82}, {0.49, 0},
                                            {2147483647.4, 2147483647}, {-2147483648.0, -2147483647 - 1}};
    for (const auto& [in, out] : cases) EXPECT_EQ(RoundHalfEven(in), out) << in;
}

TEST(RoundHalfEven, OutsideThe32BitRangeFails) {
    for (double v : {2147483647.5, -2147483649.0, 1e300,
                     std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_THROW(RoundHalfEven(v), CalculationFailure) << v;
    }
}

TEST(FormatSignedNumber, HasASignPosition) {
    const std::pair<double, const char*> cases[] = {
        {6, " 6"},       {8, " 8"},          {150, " 150"},    {2310, " 2310"},
        {0, " 0"},       {-0.0, " 0"},       {-20, "-20"},     {247.5, " 247.5"},
        {-0.5, "-0.5"},  {1e15, " 1E+15"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(FormatSignedNumber(in), out) << in;
}

TEST(FormatPlainNumber, ShortestTextUpTo15Digits) {
    const std::pair<double, const char*> cases[] = {
        {250, "250"},
        {600, "600"},
        {34, "34"},
        {-20, "-20"},
        {0, "0"},
        {-0.0, "0"},
        {247.5, "247.5"},
        {0.5, "0.5"},
        {0.2, "0.2"},
        {-0.25, "-0.25"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {123456789012345, "123456789012345"},
        {999999999999999, "999999999999999"},
        // Rounding to 15 digits can carry into a new power of ten.
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {2.57142857142857e19, "2.57142857142857E+19"},
        {1234567890123456, "1.23456789012346E+15"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.000015, "1.5E-05"},
        {1e-300, "1E-300"},
        {-1e308, "-1E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(FormatPlainNumber(in), out) << in;
}

TEST(PlainText, ShowsEachKindOfCell) {
    EXPECT_EQ(PlainText(Cell()), "");
    EXPECT_EQ(PlainText(Cell::Number(1300)), "1300");
    EXPECT_EQ(PlainText(Cell::Number(312.5)), "312.5");
    EXPECT_EQ(PlainText(Cell::Text(" 6-300")), " 6-300");
}

}  // namespace
}  // namespace tavrel
