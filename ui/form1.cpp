#include "form1.h"

#include <exception>
#include <initializer_list>
#include <limits>
#include <optional>

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>

#include "calculation_run.h"
#include "captions.h"
#include "failure.h"
#include "failure_message.h"
#include "results_list.h"
#include "save_dialog.h"
#include "status_bar.h"
#include "twips.h"

#include "tavrel.xpm"

namespace tavrel::ui {
namespace {

// The client area, without frame and title bar.
constexpr int kClientWidthTwips = 7965;
constexpr int kClientHeightTwips = 5835;

// A run reads the boxes as they stand; the save box's three states map to
// 0 unticked, 1 ticked, 2 greyed, and only 1 writes a report.
class BoxInputs : public RunInputs {
public:
    BoxInputs(const std::array<QLineEdit*, 9>& boxes, const QCheckBox& check)
        : m_boxes(boxes), m_check(check) {}

    std::string InputText(InputBox box) const override {
        return m_boxes[static_cast<std::size_t>(box)]->text().toStdString();
    }
    int SaveBoxState() const override {
        switch (m_check.checkState()) {
            case Qt::Unchecked: return 0;
            case Qt::Checked: return 1;
            case Qt::PartiallyChecked: return 2;
        }
        return 0;
    }

private:
    const std::array<QLineEdit*, 9>& m_boxes;
    const QCheckBox& m_check;
};

template <typename Widget>
Widget* Place(Widget* widget, const char* name, TwipsRect where) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(ToPixels(where));
    return widget;
}

QLabel* MakeLabel(QWidget* client, const char* name, TwipsRect where, const char* caption) {
    auto* label = Place(new QLabel(QString::fromUtf8(caption), client), name, where);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* MakeBox(QWidget* client, const char* name, TwipsRect where, const char* text) {
    auto* box = Place(new QLineEdit(QString::fromUtf8(text), client), name, where);
    // The default cap of 32767 characters would cut a pasted text short.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return box;
}

QPushButton* MakeButton(QWidget* client, const char* name, TwipsRect where, const char* caption) {
    auto* button = Place(new QPushButton(QString::fromUtf8(caption), client), name, where);
    // Outside a dialog no button is the window's default; auto-default only
    // makes Enter click the button that has the focus, as Space does.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

}  // namespace

void ShowWarningBox(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QString::fromUtf8(kWarningTitle), text);
}

Form1::Form1(ChooseReportFile chooser, ShowWarning warn, QWidget* parent)
    : QMainWindow(parent), m_chooser(std::move(chooser)), m_warn(std::move(warn)) {
    if (!m_chooser)
        m_chooser = [this](const SaveDialogSettings& settings) {
            return ShowSaveDialog(this, settings);
        };
    if (!m_warn) m_warn = ShowWarningBox;

    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowIcon(QIcon(QPixmap(tavrel_xpm)));

    auto* client = new QWidget(this);
    setCentralWidget(client);

    // Created in focus order; the labels take no focus.
    m_command1 = MakeButton(client, "Command1", {6840, 120, 855, 375}, kCommand1Caption);
    m_command3 = MakeButton(client, "Command3", {6840, 600, 855, 375}, kCommand3Caption);
    m_boxes = {
        MakeBox(client, "Text1", {1560, 120, 735, 375}, kText1Initial),
        MakeBox(client, "Text2", {1560, 480, 735, 375}, kText2Initial),
        MakeBox(client, "Text3", {2520, 120, 615, 270}, kText3Initial),
        MakeBox(client, "Text4", {4080, 120, 735, 270}, kText4Initial),
        MakeBox(client, "Text5", {2520, 360, 615, 270}, kText5Initial),
        MakeBox(client, "Text6", {4080, 360, 735, 270}, kText6Initial),
        MakeBox(client, "Text7", {2520, 600, 615, 270}, kText7Initial),
        MakeBox(client, "Text8", {4080, 600, 735, 270}, kText8Initial),
        MakeBox(client, "Text10", {5880, 120, 735, 270}, kText10Initial),
    };
    m_listView1 = Place(new QTreeWidget(client), "ListView1", {0, 1080, 7935, 4455});
    SetUpResultList(*m_listView1);
    m_check1 = Place(new QCheckBox(QString::fromUtf8(kCheck1Caption), client), "Check1",
                     {5160, 600, 1095, 255});

    MakeLabel(client, "Label1", {240, 120, 975, 495}, kLabel1Caption);
    MakeLabel(client, "Label2", {240, 600, 855, 495}, kLabel2Caption);
    MakeLabel(client, "Label3", {3240, 360, 855, 735}, kLabel3Caption);
    MakeLabel(client, "Label4", {5160, 240, 615, 255}, kLabel4Caption);

    auto* statusBar = new ClockStatusBar(this);
    statusBar->setObjectName(QStringLiteral(u"StatusBar1"));
    setStatusBar(statusBar);

    const std::initializer_list<QWidget*> focusOrder = {
        m_command1, m_command3, m_boxes[0], m_boxes[1], m_boxes[2], m_boxes[3], m_boxes[4],
        m_boxes[5], m_boxes[6], m_boxes[7], m_boxes[8], m_listView1, m_check1};
    for (auto it = focusOrder.begin(); it + 1 != focusOrder.end(); ++it)
        setTabOrder(it[0], it[1]);
    m_command1->setFocus();

    // For engineers who move the table into a spreadsheet.
    auto* copy = new QAction(QString::fromUtf8(kCopyCaption), m_listView1);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &Form1::CopyRows);
    m_listView1->addAction(copy);
    m_listView1->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    resize(TwipsToPixels(kClientWidthTwips), TwipsToPixels(kClientHeightTwips));
}

void Form1::Command1_Click() {
    const BoxInputs inputs(m_boxes, *m_check1);
    ResultListRows rows(*m_listView1);
    std::optional<QString> failure;
    {
        // Scoped so that a report left open by a failure is closed before
        // anyone is told about it.
        ReportFile report(m_chooser);
        try {
            CalculationRun(inputs, rows, report);
        } catch (const CalculationFailure& error) {
            failure = FailureMessage(error);
        } catch (const std::exception& error) {
            failure = UnexpectedFailureMessage(error);
        }
    }
    // The rows made before a failure stay, and show behind the warning.
    rows.Flush();
    if (failure) m_warn(this, *failure);
}

void Form1::Command3_Click() { close(); }

void Form1::CopyRows() {
    QGuiApplication::clipboard()->setText(CopyTextOfList(*m_listView1));
}

}  // namespace tavrel::ui
