// A Form1 whose save dialog and warning box are stand-ins: the chooser
// hands back `chosenFile` and every warning lands in `warnings`, so no test
// ever waits on a person.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>

#include "form1.h"

namespace tavrel::testing {

class WindowTest : public ::testing::Test {
protected:
    WindowTest()
        : form(
              [this](const SaveDialogSettings& settings) {
                  dialogSettings.push_back(settings);
                  return chosenFile;
              },
              [this](QWidget*, const QString& text) { warnings << text; }) {
        // Shown and active like a real window, so focus and shortcuts work;
        // the offscreen platform puts nothing on any screen.
        form.show();
        QApplication::setActiveWindow(&form);
    }

    template <typename Widget>
    Widget& Find(const char* name) {
        auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
        if (!widget) throw std::runtime_error(std::string("no widget named ") + name);
        return *widget;
    }
    QLineEdit& Box(const char* name) { return Find<QLineEdit>(name); }
    QTreeWidget& List() { return Find<QTreeWidget>("ListView1"); }

    void TickSaveBox() { QTest::mouseClick(&Find<QCheckBox>("Check1"), Qt::LeftButton); }
    void Calculate() { QTest::mouseClick(&Find<QPushButton>("Command1"), Qt::LeftButton); }

    // The list's rows as shown, column by column.
    QList<QStringList> Rows() {
        QList<QStringList> rows;
        const QTreeWidget& list = List();
        for (int i = 0; i < list.topLevelItemCount(); ++i) {
            QStringList texts;
            for (int column = 0; column < list.columnCount(); ++column)
                texts << list.topLevelItem(i)->text(column);
            rows << texts;
        }
        return rows;
    }
    QStringList Row(const QString& width) {
        for (const QStringList& row : Rows())
            if (row.value(0) == width) return row;
        return {};
    }

    std::optional<std::string> chosenFile;
    std::vector<SaveDialogSettings> dialogSettings;
    QStringList warnings;
    ui::Form1 form;  // last: it calls back into the members above
};

// What the batch tool writes to standard output for these arguments.
inline QByteArray BatchToolOutput(const QStringList& arguments) {
    QProcess tool;
    tool.start(QString::fromUtf8(TAVREL_REPORT_BINARY), arguments);
    if (!tool.waitForFinished(30'000)) {
        tool.kill();
        tool.waitForFinished();
        ADD_FAILURE() << "tavrel-report did not finish";
    }
    return tool.readAllStandardOutput();
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace tavrel::testing
