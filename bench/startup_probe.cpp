// Start-up probe, run as a child of the benchmark table.
//   startup_probe bare    an empty QMainWindow
//   startup_probe label   a QMainWindow with one label of Chinese text: the
//                         least any window that shows the captions pays for
//                         fonts (font database, a CJK font)
//   startup_probe tavrel  the program's window
// Each writes "painted" to standard output as soon as its window has been
// painted for the first time and ends at once, so that the parent measures
// the time from its spawn to the first paint and the peak resident memory.
//   startup_probe click   shows the window, then times Calculate for 80 rows
//                         up to the 80th row painted, and prints the median
//                         in microseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "form1.h"

namespace {

// Fires once, after the first paint event of `window` has been handled.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> then) : m_then(std::move(then)) {
        window.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_then) {
            watched->removeEventFilter(this);
            // Queued, so that the paint itself and its flush come first.
            QTimer::singleShot(0, std::exchange(m_then, nullptr));
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

void Painted() {
    std::fputs("painted\n", stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

int ClickTimings(tavrel::ui::Form1& form) {
    form.findChild<QLineEdit*>(QStringLiteral("Text7"))->setText(QStringLiteral("8500"));
    auto* command1 = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* list = form.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    std::vector<double> micros;
    for (int i = 0; i < 31; ++i) {
        const auto start = std::chrono::steady_clock::now();
        command1->click();
        list->viewport()->repaint();  // the rows on screen, not only in the model
        const auto end = std::chrono::steady_clock::now();
        if (list->topLevelItemCount() != 80) {
            std::fprintf(stderr, "startup_probe: expected 80 rows, got %d\n",
                         list->topLevelItemCount());
            return 1;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%.1f\n", micros[micros.size() / 2]);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const char* mode = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> window;
    if (std::strcmp(mode, "bare") == 0) {
        window = std::make_unique<QMainWindow>();
        window->resize(531, 389);
    } else if (std::strcmp(mode, "label") == 0) {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QLabel(QStringLiteral(u"基底净反力(KN/M*M)")));
        window->resize(531, 389);
    } else if (std::strcmp(mode, "tavrel") == 0 || std::strcmp(mode, "click") == 0) {
        // Nothing may wait on a person: no dialog, no warning box.
        window = std::make_unique<tavrel::ui::Form1>(
            [](const tavrel::SaveDialogSettings&) { return std::optional<std::string>(); },
            [](QWidget*, const QString& text) {
                std::fprintf(stderr, "startup_probe: %s\n", qPrintable(text));
            });
    } else {
        std::fprintf(stderr, "usage: startup_probe bare|label|tavrel|click\n");
        return 2;
    }
    int status = 0;
    FirstPaint firstPaint(*window, [&] {
        if (std::strcmp(mode, "click") == 0) {
            status = ClickTimings(static_cast<tavrel::ui::Form1&>(*window));
            QApplication::exit(status);
        } else {
            Painted();
        }
    });
    window->show();
    return app.exec();
}
