// Calculate with the save box ticked: the file the window writes, the
// chooser's cancel, file errors, and hostile texts in every box.
#include <gtest/gtest.h>

#include <QMap>
#include <QTemporaryDir>

#include "failure.h"
#include "recording_sinks.h"
#include "report_file.h"
#include "results_list.h"
#include "window_fixture.h"

namespace tavrel::testing {
namespace {

class SavedReportTest : public WindowTest {
protected:
    QString PathOf(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

// The batch tool is the reference for the report's bytes; the box texts go
// into the header unparsed, so odd ones must arrive exactly as typed.
TEST_F(SavedReportTest, FileIsByteForByteTheBatchToolsReport) {
    const struct {
        const char* name;
        const char* pressure;
        const char* wall;
        const char* cover;
    } cases[] = {
        {"initial texts", "100", "240", "50"},
        {"blanks, units and Chinese in the header texts", " 100 kN", "240毫米", "５０"},
        {"empty wall width", "100", "", "50"},
    };
    TickSaveBox();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Box("Text1").setText(QString::fromUtf8(c.pressure));
        Box("Text2").setText(QString::fromUtf8(c.wall));
        Box("Text10").setText(QString::fromUtf8(c.cover));
        const QString path = PathOf("JCOUT.TXT");
        chosenFile = path.toStdString();

        Calculate();

        ASSERT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
        const QByteArray expected = BatchToolOutput(
            {QStringLiteral("--pressure=") + QString::fromUtf8(c.pressure),
             QStringLiteral("--wall=") + QString::fromUtf8(c.wall),
             QStringLiteral("--cover=") + QString::fromUtf8(c.cover)});
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(FileBytes(path), expected);
        EXPECT_EQ(List().topLevelItemCount(), 35) << "the list fills as well";
    }
    ASSERT_EQ(dialogSettings.size(), std::size(cases));
    EXPECT_EQ(dialogSettings.back().proposedName, "JCOUT.TXT");
}

TEST_F(SavedReportTest, CancelledChooserLeavesAnExistingFileAlone) {
    const QString path = PathOf("JCOUT.TXT");
    {
        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("an earlier report\r\n");
    }
    TickSaveBox();
    chosenFile.reset();

    Calculate();

    EXPECT_EQ(dialogSettings.size(), 1u);
    EXPECT_EQ(FileBytes(path), "an earlier report\r\n");
    EXPECT_EQ(List().topLevelItemCount(), 35) << "the run goes on without a report";
    EXPECT_TRUE(warnings.isEmpty());
}

// The warning names the file and the reason, so the engineer can pick
// another folder.
TEST_F(SavedReportTest, UnwritableFileIsToldWithItsName) {
    TickSaveBox();
    const QString path = PathOf("no such folder/JCOUT.TXT");
    chosenFile = path.toStdString();

    Calculate();

    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral(u"文件：") + path)) << warnings[0].toStdString();
    EXPECT_TRUE(warnings[0].contains(QStringLiteral(u"原因：文件夹不存在")))
        << warnings[0].toStdString();
    EXPECT_EQ(List().topLevelItemCount(), 0);

    chosenFile = PathOf("JCOUT.TXT").toStdString();
    Calculate();
    EXPECT_EQ(FileBytes(PathOf("JCOUT.TXT")), BatchToolOutput({}));
}

// Whatever is typed, the window lists what the core makes of the same texts,
// warns exactly when the core fails, and writes the same report bytes.
TEST_F(SavedReportTest, HostileTextsInEveryBoxEndInRowsOrAWarning) {
    const char* const boxNames[] = {"Text1", "Text2", "Text3", "Text4", "Text5",
                                    "Text6", "Text7", "Text8", "Text10"};
    const InputBox boxes[] = {InputBox::Text1, InputBox::Text2, InputBox::Text3,
                              InputBox::Text4, InputBox::Text5, InputBox::Text6,
                              InputBox::Text7, InputBox::Text8, InputBox::Text10};
    const struct {
        const char* name;
        QString text;
    } texts[] = {
        {"empty", QString()},
        {"letters only", QStringLiteral("abc")},
        {"exponent beyond a double", QStringLiteral("1e400")},
        {"largest exponent a double takes", QStringLiteral("-1.7e308")},
        {"negative zero", QStringLiteral("-0")},
        {"halfway range width", QStringLiteral("2050")},
        {"width far beyond the table", QStringLiteral("99999")},
        {"below the first slot", QStringLiteral("440")},
        {"100000 characters", QStringLiteral("3") + QString(99'999, u'9')},
        {"number then 100000 letters", QStringLiteral("2500") + QString(100'000, u'x')},
        {"emoji, outside code page 936", QStringLiteral(u"\U0001F3D7 300")},
        {"lone surrogate", QString(QChar(0xD800)) + QStringLiteral("300")},
        {"full-width digits", QStringLiteral(u"３００")},
        {"blanks inside the number", QStringLiteral(" 3 0 0 ")},
    };

    QMap<QString, QString> initial;
    for (const char* name : boxNames) initial[QString::fromLatin1(name)] = Box(name).text();
    const auto restoreInitialTexts = [&] {
        for (const char* name : boxNames) Box(name).setText(initial[QString::fromLatin1(name)]);
    };

    TickSaveBox();
    const QString windowFile = PathOf("window.txt");
    const QString coreFile = PathOf("core.txt");
    chosenFile = windowFile.toStdString();

    for (std::size_t b = 0; b < std::size(boxes); ++b) {
        for (const auto& t : texts) {
            SCOPED_TRACE(std::string(boxNames[b]) + ": " + t.name);
            restoreInitialTexts();
            // Set, not typed: 100000 key presses would take minutes and test Qt.
            Box(boxNames[b]).setText(t.text);
            warnings.clear();
            QFile::remove(windowFile);
            QFile::remove(coreFile);

            Calculate();

            MapInputs inputs(DefaultTexts(), 1);
            inputs.texts[boxes[b]] = t.text.toStdString();
            RecordingList expectedRows;
            ReportFile report([&](const SaveDialogSettings&) {
                return std::optional<std::string>(coreFile.toStdString());
            });
            bool coreFailed = false;
            try {
                CalculationRun(inputs, expectedRows, report);
            } catch (const CalculationFailure&) {
                coreFailed = true;
            }

            QList<QStringList> expected;
            for (const ResultRow& row : expectedRows.rows) expected << ui::ListTexts(row);
            EXPECT_EQ(Rows(), expected);
            EXPECT_EQ(warnings.size(), coreFailed ? 1 : 0);
            EXPECT_EQ(FileBytes(windowFile), FileBytes(coreFile));
        }
    }

    restoreInitialTexts();
    warnings.clear();
    Calculate();
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(List().topLevelItemCount(), 35);
    EXPECT_EQ(Row("600"), QStringList({"600", "34", "23", "250", " 6-300", " 6-300", " 6-300",
                                       " 6-300", " 6-300", " 6-300"}));
}

}  // namespace
}  // namespace tavrel::testing
