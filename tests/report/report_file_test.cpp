#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "failure.h"
#include "recording_sinks.h"
#include "report_file.h"
#include "temp_folder.h"

namespace tavrel {
namespace {

namespace fs = std::filesystem;
using testing::DefaultTexts;
using testing::MapInputs;
using testing::ReadBytes;
using testing::RecordingList;

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Golden(const char* name) { return ReadBytes(fs::path(TAVREL_GOLDEN_DIR) / name); }

std::string Blanks(std::size_t count) { return std::string(count, ' '); }

// The inputs of a run: the window's initial texts with some changed, and the
// save box ticked.
MapInputs Ticked(const std::map<InputBox, std::string>& changes = {}) {
    auto texts = DefaultTexts();
    for (const auto& [box, text] : changes) texts[box] = text;
    return MapInputs(texts, 1);
}

class ReportFileTest : public testing::TempFolderTest {
protected:
    static ChooseReportFile Choose(const fs::path& path) {
        return [path](const SaveDialogSettings&) { return std::optional<std::string>(path.string()); };
    }

    static std::optional<CalculationFailure> Run(const MapInputs& inputs, ReportFile& report,
                                                 RecordingList& list) {
        try {
            CalculationRun(inputs, list, report);
        } catch (const CalculationFailure& failure) {
            return failure;
        }
        return std::nullopt;
    }
};

TEST_F(ReportFileTest, WritesTheGoldenReports) {
    struct Case {
        const char* golden;
        std::map<InputBox, std::string> changes;
        std::optional<double> failsAtWidth;
    } cases[] = {
        {"default.txt", {}, std::nullopt},
        // Rows up to 2100, then the empty slot of 2200 stops the run.
        {"failed_width1_2050.txt", {{InputBox::Text3, "2050"}}, 2200},
        // Line 1: the long soil pressure text ends exactly on column 28, so
        // the unit begins at 29; the empty wall text still moves on a zone.
        {"pushed_zones.txt", {{InputBox::Text1, "120.0 (净, kN/m2)"}, {InputBox::Text2, ""}},
         std::nullopt},
    };
    for (const auto& c : cases) {
        const fs::path path = Folder() / c.golden;
        ReportFile report(Choose(path));
        RecordingList list;
        const auto failure = Run(Ticked(c.changes), report, list);
        ASSERT_EQ(failure.has_value(), c.failsAtWidth.has_value()) << c.golden;
        if (failure) {
            EXPECT_EQ(failure->Kind(), FailureKind::EmptySlot) << c.golden;
            EXPECT_EQ(failure->Width(), c.failsAtWidth) << c.golden;
        }
        // Read while the report still exists: the run itself must have
        // closed it, also when it failed.
        EXPECT_FALSE(report.IsOpen()) << c.golden;
        EXPECT_EQ(ReadBytes(path), Golden(c.golden)) << c.golden;
    }
}

// Every fixed label in its code page 936 bytes, at the columns of its zone.
TEST_F(ReportFileTest, HeaderLinesCarryTheLabelsInCodePage936) {
    const std::string dijijingfanli = "\xB5\xD8\xBB\xF9\xBE\xBB\xB7\xB4\xC1\xA6=";  // 11 bytes
    const std::string unitAndWall = "KN/M*M  \xC7\xBD\xBF\xED";                       // 12 bytes
    const std::string baohucenghoudu = "\xB1\xA3\xBB\xA4\xB2\xE3\xBA\xF1\xB6\xC8";    // 10 bytes
    const std::string kuandu = "\xBF\xED\xB6\xC8";                                     // 4 bytes
    const std::string line1 =
        dijijingfanli + "100" + unitAndWall + "240" + Blanks(13) + baohucenghoudu + "50\r\n";
    const std::string line2 = kuandu + Blanks(10) + "I" + Blanks(13) + "steel" + Blanks(9) +
                              "steel" + Blanks(9) + "steel" + Blanks(9) + "II" + Blanks(12) +
                              "steel" + Blanks(9) + "steel" + Blanks(9) + "steel" + Blanks(9) +
                              "h0\r\n";

    std::string bytes;
    ReportFile report(ReportEncoding::Cp936, [&] { return std::make_unique<StringOutput>(bytes); });
    ASSERT_TRUE(report.OpenReport("100", "240", "50"));
    report.CloseReport();
    EXPECT_EQ(bytes, line1 + line2);
}

// The column layout of the default row lines for 600 and 2000, written out.
TEST_F(ReportFileTest, RowLinesPutEachItemInItsZone) {
    const std::string row600 = " 600 " + Blanks(9) + " 34 " + Blanks(10) + " 6-300" + Blanks(8) +
                               " 6-300" + Blanks(8) + " 6-300" + Blanks(8) + " 23 " + Blanks(10) +
                               " 6-300" + Blanks(8) + " 6-300" + Blanks(8) + " 6-300" + Blanks(8) +
                               " 250 \r\n";
    const std::string row2000 = " 2000 " + Blanks(8) + " 682 " + Blanks(9) + " 8@ 70" + Blanks(8) +
                                " 10@ 110" + Blanks(6) + " 12@ 160" + Blanks(6) + " 462 " +
                                Blanks(9) + " 6@ 60" + Blanks(8) + " 8@ 100" + Blanks(7) +
                                " 10@ 160" + Blanks(6) + " 300 \r\n";
    ASSERT_EQ(row2000.size(), 131u + 2);

    std::string bytes;
    ReportFile report(ReportEncoding::Cp936, [&] { return std::make_unique<StringOutput>(bytes); });
    RecordingList list;
    ASSERT_FALSE(Run(Ticked(), report, list));
    EXPECT_NE(bytes.find("\r\n" + row600), std::string::npos);
    EXPECT_NE(bytes.find("\r\n" + row2000), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

TEST_F(ReportFileTest, AsksTheChooserAnewAtEveryOpening) {
    std::vector<SaveDialogSettings> asked;
    std::optional<std::string> answer = (Folder() / "first.txt").string();
    ReportFile report([&](const SaveDialogSettings& settings) {
        asked.push_back(settings);
        return answer;
    });
    RecordingList list;
    ASSERT_FALSE(Run(Ticked({{InputBox::Text1, "500"}}), report, list));
    answer = (Folder() / "first.txt").string();
    ASSERT_FALSE(Run(Ticked(), report, list));

    ASSERT_EQ(asked.size(), 2u);
    for (const SaveDialogSettings& settings : asked) {
        EXPECT_EQ(settings.proposedName, "JCOUT.TXT");
        EXPECT_EQ(settings.filterName, "TXT");
        EXPECT_EQ(settings.filterPattern, "*.TXT");
        EXPECT_TRUE(settings.overwritePrompt);
    }
    // The second run empties the file and writes only its own lines.
    EXPECT_EQ(ReadBytes(Folder() / "first.txt"), Golden("default.txt"));
}

// A cancelled dialog still hands back nothing to write to: no file under the
// proposed name in the working folder is made or emptied, and the list fills.
TEST_F(ReportFileTest, CancelledChooserWritesNoReport) {
    const fs::path proposed = fs::current_path() / "JCOUT.TXT";
    WriteBytes(proposed, "kept");
    ReportFile report([](const SaveDialogSettings&) { return std::nullopt; });
    RecordingList list;
    const auto failure = Run(Ticked(), report, list);
    const std::string left = ReadBytes(proposed);
    fs::remove(proposed);

    EXPECT_FALSE(failure);
    EXPECT_EQ(list.rows.size(), 35u);
    EXPECT_FALSE(report.IsOpen());
    EXPECT_EQ(left, "kept");
}

TEST_F(ReportFileTest, UnopenableFileStopsTheRunBeforeAnyRow) {
    fs::create_directories(Folder() / "a folder");
    struct Case {
        const char* name;
        fs::path path;
        int error;
    } cases[] = {
        {"folder that does not exist", Folder() / "missing" / "JCOUT.TXT", ENOENT},
        {"a folder's name", Folder() / "a folder", EISDIR},
    };
    for (const auto& c : cases) {
        ReportFile report(Choose(c.path));
        RecordingList list;
        const auto failure = Run(Ticked(), report, list);
        ASSERT_TRUE(failure) << c.name;
        EXPECT_EQ(failure->Kind(), FailureKind::ReportFile) << c.name;
        EXPECT_FALSE(failure->Width()) << c.name;
        EXPECT_EQ(failure->Detail(), c.path.string() + ": " + std::strerror(c.error)) << c.name;
        EXPECT_TRUE(list.rows.empty()) << c.name;
        EXPECT_FALSE(report.IsOpen()) << c.name;
    }
    // Nothing was created on the way.
    EXPECT_FALSE(fs::exists(Folder() / "missing"));
    EXPECT_TRUE(fs::is_empty(Folder() / "a folder"));
}

// A full disk shows when the buffered lines reach the device at the latest.
TEST_F(ReportFileTest, FullDeviceFailsTheRun) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    ReportFile report(Choose("/dev/full"));
    RecordingList list;
    const auto failure = Run(Ticked(), report, list);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Kind(), FailureKind::ReportFile);
    EXPECT_EQ(failure->Detail(), std::string("/dev/full: ") + std::strerror(ENOSPC));
    EXPECT_FALSE(report.IsOpen());
}

}  // namespace
}  // namespace tavrel
