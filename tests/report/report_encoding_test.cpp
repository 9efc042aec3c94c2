#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "report_encoding.h"

namespace tavrel {
namespace {

struct EncodingCase {
    const char* name;
    std::string text;   // UTF-8 as typed
    std::string cp936;  // expected bytes of the code page 936 report
    std::string utf8;   // expected bytes of the UTF-8 report
    std::size_t columns;
};

const EncodingCase kEncodingCases[] = {
    {"ascii passes unchanged", "100kN", "100kN", "100kN", 5},
    {"empty text", "", "", "", 0},
    {"chinese character takes two bytes and two columns", "墙宽", "\xC7\xBD\xBF\xED", "墙宽", 4},
    {"fullwidth punctuation", "（", "\xA3\xA8", "（", 2},
    {"euro sign is a single byte", "€", "\x80", "€", 1},
    {"latin letter outside the code page", "ß", "?", "?", 1},
    {"hangul outside the code page", "1한2墙", "1?2\xC7\xBD", "1?2墙", 5},
    {"character beyond the basic plane", "a😀b", "a?b", "a?b", 3},
    {"stray byte", "a\xFF" "b", "a?b", "a?b", 3},
    {"overlong encoding, one mark per byte", "\xC0\xAF", "??", "??", 2},
    {"surrogate, one mark per byte", "\xED\xA0\x80", "???", "???", 3},
    {"sequence cut off at the end", "墙\xE5\xA2", "\xC7\xBD??", "墙??", 4},
};

TEST(ReportEncoder, EncodesCharacterByCharacter) {
    ReportEncoder cp936(ReportEncoding::Cp936);
    ReportEncoder utf8(ReportEncoding::Utf8);
    for (const auto& c : kEncodingCases) {
        const EncodedText inCp936 = cp936.Encode(c.text);
        EXPECT_EQ(inCp936.bytes, c.cp936) << c.name;
        EXPECT_EQ(inCp936.columns, c.columns) << c.name;
        const EncodedText inUtf8 = utf8.Encode(c.text);
        EXPECT_EQ(inUtf8.bytes, c.utf8) << c.name;
        // The UTF-8 report keeps the code page 936 layout.
        EXPECT_EQ(inUtf8.columns, c.columns) << c.name;
    }
}

// Longer than one conversion buffer, with an unencodable character where
// the buffer fills up.
TEST(ReportEncoder, LongTextsConvertWhole) {
    std::string text, expected;
    for (int i = 0; i < 300; ++i) {
        text += i % 100 == 99 ? "ß" : "墙";
        expected += i % 100 == 99 ? "?" : "\xC7\xBD";
    }
    ReportEncoder encoder(ReportEncoding::Cp936);
    const EncodedText encoded = encoder.Encode(text);
    EXPECT_EQ(encoded.bytes, expected);
    EXPECT_EQ(encoded.columns, expected.size());
}

// A conversion that transliterates would write "ss" here under a UTF-8
// locale, and '?' under the C locale: the report must not depend on it.
TEST(ReportEncoder, DoesNotDependOnTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
    ReportEncoder encoder(ReportEncoding::Cp936);
    const std::string bytes = encoder.Encode("ß墙é").bytes;
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(bytes, "?\xC7\xBD\xA8\xA6");
}

}  // namespace
}  // namespace tavrel
