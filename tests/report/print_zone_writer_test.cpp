#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print_zone_writer.h"

namespace tavrel {
namespace {

struct Item {
    Cell cell;
    ItemSeparator after;
};

Item Text(std::string text, ItemSeparator after) { return {Cell::Text(std::move(text)), after}; }

std::string Blanks(std::size_t count) { return std::string(count, ' '); }

class PrintZoneWriterTest : public ::testing::Test {
protected:
    std::string Write(const std::vector<Item>& items) {
        std::string bytes;
        StringOutput output(bytes);
        PrintZoneWriter writer(output, m_encoder);
        for (const Item& item : items) writer.WriteCell(item.cell, item.after);
        EXPECT_EQ(writer.PrintPosition(), 1u) << "every case ends its line";
        return bytes;
    }

private:
    ReportEncoder m_encoder{ReportEncoding::Cp936};
};

using enum ItemSeparator;

TEST_F(PrintZoneWriterTest, NextZoneFollowsTheZoneRule) {
    const std::string k14 = "abcdefghijklmn";
    const std::string chinese7 = "墙宽墙宽墙宽墙";  // 14 columns
    const std::string chinese7Bytes = "\xC7\xBD\xBF\xED\xC7\xBD\xBF\xED\xC7\xBD\xBF\xED\xC7\xBD";
    struct Case {
        const char* name;
        std::vector<Item> items;
        std::string line;
    } cases[] = {
        {"short item: next begins at column 15",
         {Text("ab", NextZone), Text("c", LineEnd)},
         "ab" + Blanks(12) + "c\r\n"},
        {"item ending on the zone's last column: next begins at the very next column",
         {Text(k14, NextZone), Text("x", LineEnd)},
         k14 + "x\r\n"},
        {"item running one past its zone pushes the next to column 29",
         {Text(k14 + "o", NextZone), Text("x", LineEnd)},
         k14 + "o" + Blanks(13) + "x\r\n"},
        {"item ending on the last column of the second zone",
         {Text(k14 + k14, NextZone), Text("x", LineEnd)},
         k14 + k14 + "x\r\n"},
        {"a chinese character takes two columns",
         {Text(chinese7, NextZone), Text("x", LineEnd)},
         chinese7Bytes + "x\r\n"},
        {"joined items end where their last character ends",
         {Text("abcdefghij", Joined), Text("klm", NextZone), Text("x", LineEnd)},
         "abcdefghijklm x\r\n"},
        {"an empty item at the line start still moves on",
         {{Cell(), NextZone}, Text("x", LineEnd)},
         Blanks(14) + "x\r\n"},
        {"an empty item at a zone's first column moves on a whole zone",
         {Text("a", NextZone), {Cell(), NextZone}, Text("x", LineEnd)},
         "a" + Blanks(27) + "x\r\n"},
        {"an empty text behaves like an empty cell",
         {Text("a", NextZone), Text("", NextZone), Text("x", LineEnd)},
         "a" + Blanks(27) + "x\r\n"},
        {"a typed line break or tab cannot split the line or blur the columns",
         {Text("1\r\n0\t0", NextZone), Text("x", LineEnd)},
         "1??0?0" + Blanks(8) + "x\r\n"},
        {"a line end starts the next line at column 1",
         {Text("abc", LineEnd), Text("d", NextZone), Text("e", LineEnd)},
         "abc\r\nd" + Blanks(13) + "e\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(Write(c.items), c.line) << c.name;
}

TEST_F(PrintZoneWriterTest, NumberCellsHaveSignPositionAndTrailingBlank) {
    struct Case {
        const char* name;
        Cell cell;
        std::string text;
    } cases[] = {
        {"width", Cell::Number(600), " 600 "},
        {"small area", Cell::Number(34), " 34 "},
        {"negative", Cell::Number(-20), "-20 "},
        {"zero", Cell::Number(0), " 0 "},
        {"negative zero shows no minus", Cell::Number(-0.0), " 0 "},
        {"fraction", Cell::Number(247.5), " 247.5 "},
        {"negative fraction below one", Cell::Number(-0.5), "-0.5 "},
        {"huge number in exponent form", Cell::Number(1e15), " 1E+15 "},
        {"layout text brings its own blank", Cell::Text(" 8@ 70"), " 8@ 70"},
        {"empty cell writes nothing", Cell(), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Write({{c.cell, LineEnd}}), c.text + "\r\n") << c.name;
}

}  // namespace
}  // namespace tavrel
