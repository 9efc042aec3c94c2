// The real save dialog and the real warning box, opened offscreen and
// closed by a timer, and the words of the warning.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "failure.h"
#include "failure_message.h"
#include "form1.h"
#include "report_file.h"
#include "save_dialog.h"

namespace tavrel::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// Runs `inspect` on the modal window that `open` shows, then closes that
// window if `inspect` left it open. A window that never shows fails the test
// instead of hanging it.
template <typename Dialog>
void WhenModalShows(const std::function<void(Dialog&)>& inspect) {
    auto* poll = new QTimer(qApp);
    auto deadline = std::make_shared<QDeadlineTimer>(10'000);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && !deadline->hasExpired()) return;
        poll->deleteLater();
        poll->stop();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "the expected dialog did not show";
            if (modal) modal->close();
            return;
        }
        inspect(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    poll->start(20);
}

class SaveDialogTest : public ::testing::Test {
protected:
    SaveDialogTest() : m_oldCurrent(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~SaveDialogTest() override { QDir::setCurrent(m_oldCurrent); }
    QTemporaryDir dir;

private:
    QString m_oldCurrent;
};

TEST_F(SaveDialogTest, ProposesJcoutInTheWorkingFolderAndPromptsBeforeReplacing) {
    WhenModalShows<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(), QStringList({"TXT (*.TXT)"}));
        EXPECT_EQ(dialog.defaultSuffix(), QString());
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        const QStringList chosen = dialog.selectedFiles();
        ASSERT_EQ(chosen.size(), 1);
        EXPECT_EQ(QFileInfo(chosen[0]).fileName(), "JCOUT.TXT");
        dialog.reject();
    });
    EXPECT_EQ(ui::ShowSaveDialog(nullptr, ReportDialogSettings()), std::nullopt);
}

// No default suffix: a name typed without an extension is used unchanged.
TEST_F(SaveDialogTest, TypedNameComesBackWithoutASuffix) {
    WhenModalShows<QFileDialog>([](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText(QStringLiteral("REPORT"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const std::optional<std::string> chosen = ui::ShowSaveDialog(nullptr, ReportDialogSettings());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QString::fromStdString(*chosen), QDir(dir.path()).filePath("REPORT"));
}

TEST(WarningBoxTest, FailedRunShowsAModalWarningTitledTavrel) {
    ui::Form1 form([](const SaveDialogSettings&) { return std::nullopt; });
    form.setAttribute(Qt::WA_DontShowOnScreen);
    form.show();
    form.findChild<QLineEdit*>("Text3")->setText(QStringLiteral("400"));

    bool shown = false;
    WhenModalShows<QMessageBox>([&](QMessageBox& box) {
        shown = true;
        EXPECT_EQ(box.windowTitle(), "Tavrel");
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_TRUE(box.text().contains(u"400 mm")) << box.text().toStdString();
        EXPECT_EQ(box.parentWidget(), &form);
    });
    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(form.isVisible());
}

TEST(FailureMessageTest, SaysWhatWhereAndWhyInChinese) {
    const struct {
        const char* name;
        CalculationFailure failure;
        std::vector<QString> says;
        std::vector<QString> doesNotSay;
    } cases[] = {
        {"width outside the table", CalculationFailure(FailureKind::NoSlot, 8600.0),
         {u"条基宽度：8600 mm"_s, u"450 至 8550 mm"_s}, {}},
        {"fractional width", CalculationFailure(FailureKind::EmptySlot, 2250.5),
         {u"2250.5 mm"_s}, {}},
        {"huge width in exponent form", CalculationFailure(FailureKind::NoSlot, 1e300),
         {u"1E+300 mm"_s}, {}},
        {"no width to tell", CalculationFailure(FailureKind::Overflow),
         {u"数值过大"_s}, {u"条基宽度"_s}},
        {"report file with the system's reason",
         CalculationFailure(FailureKind::ReportFile, std::nullopt,
                            "/home/x/JCOUT.TXT: Permission denied"),
         {u"无法写入结果文件"_s, u"/home/x/JCOUT.TXT: Permission denied"_s}, {u"条基宽度"_s}},
    };
    for (const auto& c : cases) {
        const QString text = ui::FailureMessage(c.failure);
        for (const QString& part : c.says)
            EXPECT_TRUE(text.contains(part)) << c.name << ": " << text.toStdString();
        for (const QString& part : c.doesNotSay)
            EXPECT_FALSE(text.contains(part)) << c.name << ": " << text.toStdString();
    }
}

}  // namespace
}  // namespace tavrel::testing
