// Form1, the program's only window: nine input boxes, the save box, the
// Calculate and Exit buttons, the results list and the status bar.
#pragma once

#include <array>
#include <functional>

#include <QMainWindow>
#include <QString>

#include "report_file.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tavrel::ui {

// Tells the user why a run failed. The window passes itself as the parent.
using ShowWarning = std::function<void(QWidget* parent, const QString& text)>;

// The window's own way: a modal warning box titled "Tavrel".
void ShowWarningBox(QWidget* parent, const QString& text);

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // A run asks `chooser` for the report file and tells failures through
    // `warn`. Left empty they are the save dialog and the warning box; tests
    // and benchmarks pass their own so that nothing waits on a person.
    explicit Form1(ChooseReportFile chooser = {}, ShowWarning warn = {},
                   QWidget* parent = nullptr);

public Q_SLOTS:
    // One calculation run with the texts of the boxes; a failure leaves the
    // rows listed so far and is told in a warning box.
    void Command1_Click();
    // Ends the program at once: nothing is asked and nothing is kept.
    void Command3_Click();

private:
    void CopyRows();

    ChooseReportFile m_chooser;
    ShowWarning m_warn;
    // In the order of InputBox: Text1 .. Text8, Text10.
    std::array<QLineEdit*, 9> m_boxes{};
    QCheckBox* m_check1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command3 = nullptr;
    QTreeWidget* m_listView1 = nullptr;
};

}  // namespace tavrel::ui
