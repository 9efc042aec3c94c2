// Form1 as the engineer meets it: what it shows on opening, where every
// control stands, how the keyboard moves and what Calculate lists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QAction>
#include <QDate>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>

#include "window_fixture.h"

namespace tavrel::testing {
namespace {

using Form1Test = WindowTest;

TEST_F(Form1Test, OpensWithTheInitialTextsAndAnEmptyList) {
    const struct {
        const char* name;
        const char* text;
    } boxes[] = {{"Text1", "100"},  {"Text2", "240"}, {"Text3", "2000"},
                 {"Text4", "300"},  {"Text5", "3000"}, {"Text6", "350"},
                 {"Text7", "4000"}, {"Text8", "400"},  {"Text10", "50"}};
    for (const auto& box : boxes) EXPECT_EQ(Box(box.name).text(), box.text) << box.name;

    const struct {
        const char* name;
        const char* caption;
    } captions[] = {{"Label1", "基底净反力(KN/M*M)"}, {"Label2", "砌体宽度(mm)"},
                    {"Label3", "宽度内条基高度"},     {"Label4", "保护层"}};
    for (const auto& label : captions)
        EXPECT_EQ(Find<QLabel>(label.name).text(), QString::fromUtf8(label.caption)) << label.name;
    EXPECT_EQ(Find<QPushButton>("Command1").text(), u"计算");
    EXPECT_EQ(Find<QPushButton>("Command3").text(), u"退出");
    EXPECT_EQ(form.windowTitle(), "Tavrel");

    const QCheckBox& check = Find<QCheckBox>("Check1");
    EXPECT_EQ(check.text(), u"结果存盘");
    EXPECT_EQ(check.checkState(), Qt::Unchecked);
    EXPECT_FALSE(check.isTristate());

    const QStringList headers = {"L", "I", "II", "Ho", "ASI", "ASI", "ASI", "ASII", "ASII", "ASII"};
    QTreeWidget& list = List();
    ASSERT_EQ(list.columnCount(), headers.size());
    for (int column = 0; column < headers.size(); ++column) {
        EXPECT_EQ(list.headerItem()->text(column), headers[column]);
        EXPECT_TRUE(list.header()->defaultAlignment() & Qt::AlignLeft);
    }
    EXPECT_EQ(list.topLevelItemCount(), 0);
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(Form1Test, StatusBarShowsDateTimeAndWelcome) {
    const auto& bar = Find<QStatusBar>("StatusBar1");
    const QString date = bar.findChild<QLabel*>("Panel1")->text();
    const QString time = bar.findChild<QLabel*>("Panel2")->text();
    // Either side of midnight is today for this test.
    const QDate today = QDate::currentDate();
    EXPECT_TRUE(date == QLocale::system().toString(today, QLocale::ShortFormat) ||
                date == QLocale::system().toString(today.addDays(-1), QLocale::ShortFormat))
        << date.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"))
                    .match(time)
                    .hasMatch())
        << time.toStdString();
    EXPECT_EQ(bar.findChild<QLabel*>("Panel3")->text(),
              QStringLiteral(u"欢迎访问[Morlenda] http://www.example.org/"));
}

// Positions in pixels relative to the client area: the twips of the layout
// divided by 15.
TEST_F(Form1Test, ControlsStandWhereTheLayoutPutsThem) {
    EXPECT_EQ(form.size(), QSize(531, 389));
    const struct {
        const char* name;
        QRect pixels;
    } places[] = {
        {"Label1", {16, 8, 65, 33}},    {"Text1", {104, 8, 49, 25}},
        {"Label2", {16, 40, 57, 33}},   {"Text2", {104, 32, 49, 25}},
        {"Text3", {168, 8, 41, 18}},    {"Text5", {168, 24, 41, 18}},
        {"Text7", {168, 40, 41, 18}},   {"Label3", {216, 24, 57, 49}},
        {"Text4", {272, 8, 49, 18}},    {"Text6", {272, 24, 49, 18}},
        {"Text8", {272, 40, 49, 18}},   {"Label4", {344, 16, 41, 17}},
        {"Text10", {392, 8, 49, 18}},   {"Check1", {344, 40, 73, 17}},
        {"Command1", {456, 8, 57, 25}}, {"Command3", {456, 40, 57, 25}},
        {"ListView1", {0, 72, 529, 297}}, {"StatusBar1", {0, 372, 531, 17}},
        {"Panel1", {0, 372, 100, 17}},  {"Panel2", {100, 372, 96, 17}},
        {"Panel3", {196, 372, 333, 17}},
    };
    for (const auto& place : places) {
        const QWidget& widget = Find<QWidget>(place.name);
        EXPECT_EQ(QRect(widget.mapTo(&form, QPoint(0, 0)), widget.size()), place.pixels)
            << place.name;
    }

    const int columnWidths[] = {33, 37, 37, 33, 60, 60, 60, 60, 60, 60};
    for (int column = 0; column < 10; ++column)
        EXPECT_EQ(List().columnWidth(column), columnWidths[column]) << "column " << column;

    // Resizing moves only the status bar, which follows the bottom edge.
    form.resize(700, 500);
    const QWidget& bar = Find<QWidget>("StatusBar1");
    EXPECT_EQ(QRect(bar.mapTo(&form, QPoint(0, 0)), bar.size()), QRect(0, 483, 700, 17));
    EXPECT_EQ(List().geometry().size(), QSize(529, 297));
}

TEST_F(Form1Test, FocusStartsOnCalculateAndTabsInLayoutOrder) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");

    QStringList visited;
    for (int i = 0; i < 13; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, QStringList({"Command3", "Text1", "Text2", "Text3", "Text4", "Text5",
                                    "Text6", "Text7", "Text8", "Text10", "ListView1", "Check1",
                                    "Command1"}));
}

// Enter and Space press the focused button; Enter anywhere else presses
// nothing, since neither button is the window's default.
TEST_F(Form1Test, KeysPressOnlyTheFocusedButton) {
    QTest::keyClick(&Box("Text1"), Qt::Key_Return);
    QTest::keyClick(&Box("Text1"), Qt::Key_Escape);
    EXPECT_EQ(List().topLevelItemCount(), 0);
    EXPECT_TRUE(form.isVisible());

    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        List().clear();
        QTest::keyClick(&Find<QPushButton>("Command1"), key);
        EXPECT_EQ(List().topLevelItemCount(), 35) << "key " << key;
    }
}

TEST_F(Form1Test, DefaultRunListsThirtyFiveRows) {
    Calculate();
    const QList<QStringList> rows = Rows();
    ASSERT_EQ(rows.size(), 35);
    for (int i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i][0], QString::number(600 + 100 * i));
    EXPECT_EQ(Row("600"), QStringList({"600", "34", "23", "250", " 6-300", " 6-300", " 6-300",
                                       " 6-300", " 6-300", " 6-300"}));
    EXPECT_EQ(Row("1300"), QStringList({"1300", "297", "201", "250", " 6@ 90", " 8@ 160",
                                        " 10@ 260", " 6@ 140", " 8@ 250", " 6-300"}));
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_TRUE(dialogSettings.empty()) << "no dialog without the save box";

    Calculate();
    EXPECT_EQ(Rows(), rows) << "a second run starts from an empty list";
}

// Rows listed before a failure stay; a failure before the first row leaves
// the list empty although the run before had filled it.
TEST_F(Form1Test, FailedRunWarnsAndKeepsWhatWasListed) {
    const struct {
        const char* name;
        const char* text3;
        int rows;
        const char* widthInWarning;
    } cases[] = {
        {"range pass fails at 400 mm", "400", 0, "400 mm"},
        {"row pass meets the undesigned 2200 mm", "2050", 16, "2200 mm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Box("Text3").setText(QStringLiteral("2000"));
        Calculate();
        ASSERT_EQ(List().topLevelItemCount(), 35);

        Box("Text3").setText(QString::fromLatin1(c.text3));
        Calculate();
        EXPECT_EQ(List().topLevelItemCount(), c.rows);
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings[0].contains(QString::fromLatin1(c.widthInWarning)))
            << warnings[0].toStdString();
        warnings.clear();
    }

    Box("Text3").setText(QStringLiteral("2000"));
    Calculate();
    EXPECT_EQ(List().topLevelItemCount(), 35) << "the window stays usable";
    EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(Form1Test, SaveBoxTogglesBetweenTwoStates) {
    TickSaveBox();
    EXPECT_EQ(Find<QCheckBox>("Check1").checkState(), Qt::Checked);
    TickSaveBox();
    EXPECT_EQ(Find<QCheckBox>("Check1").checkState(), Qt::Unchecked);
}

TEST_F(Form1Test, CopyPutsRowsOnTheClipboardInListOrder) {
    Calculate();
    QTreeWidget& list = List();
    QClipboard& clipboard = *QGuiApplication::clipboard();

    // Nothing selected: the whole table, exactly as the batch tool lists it.
    clipboard.clear();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text().toUtf8(), BatchToolOutput({"--list"}));

    // Selected in reverse, copied in list order.
    list.clearSelection();
    list.topLevelItem(7)->setSelected(true);  // 1300
    list.topLevelItem(0)->setSelected(true);  // 600
    const QList<QAction*> actions = list.actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(list.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(actions[0]->text(), u"复制");
    actions[0]->trigger();
    EXPECT_EQ(clipboard.text(),
              "L\tI\tII\tHo\tASI\tASI\tASI\tASII\tASII\tASII\n"
              "600\t34\t23\t250\t 6-300\t 6-300\t 6-300\t 6-300\t 6-300\t 6-300\n"
              "1300\t297\t201\t250\t 6@ 90\t 8@ 160\t 10@ 260\t 6@ 140\t 8@ 250\t 6-300\n");

    // Ctrl+C in a box copies the box's own text, not the table.
    QLineEdit& box = Box("Text1");
    box.setFocus();
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.text(), "100");
}

TEST_F(Form1Test, ExitClosesAtOnceWithoutAsking) {
    Box("Text1").setText(QStringLiteral("123"));
    QTest::mouseClick(&Find<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Form1Test, IconIsSixteenPixelsInSixteenColours) {
    const QImage icon = form.windowIcon().pixmap(16, 16).toImage();
    ASSERT_EQ(icon.size(), QSize(16, 16));
    QSet<QRgb> colours;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) colours.insert(icon.pixel(x, y));
    EXPECT_LE(colours.size(), 16);

    // The installed icon is the same picture as the window's.
    QImage installed(QStringLiteral(TAVREL_ICON_PNG));
    ASSERT_FALSE(installed.isNull());
    ASSERT_EQ(installed.size(), icon.size());
    int differing = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) differing += installed.pixel(x, y) != icon.pixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels differ between ui/tavrel.png and ui/tavrel.xpm";
}

}  // namespace
}  // namespace tavrel::testing
