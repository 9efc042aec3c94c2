// StatusBar1: three panels of fixed width along the bottom edge, today's
// date, the time of day and the welcome line.
#pragma once

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace tavrel::ui {

class ClockStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit ClockStatusBar(QWidget* parent = nullptr);

private:
    // Shows the date and time and wakes again at the next full minute, so
    // the panels never lag a minute behind the clock.
    void ShowNow();

    QLabel* m_date;
    QLabel* m_time;
    QTimer m_nextMinute;
};

}  // namespace tavrel::ui
