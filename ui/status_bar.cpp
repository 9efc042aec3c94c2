#include "status_bar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

#include "captions.h"
#include "twips.h"

namespace tavrel::ui {
namespace {

constexpr int kStatusBarTwips = 255;
constexpr int kDateTwips = 1500;
constexpr int kTimeTwips = 1440;
constexpr int kTextTwips = 5000;

// The panels stand side by side from the left edge at their own widths.
// They are placed by hand rather than through addWidget, whose margins and
// spacing would widen the bar, and with it the window, past its 531 pixels.
QLabel* AddPanel(QStatusBar& bar, const char* name, int left, int twips,
                 const QString& text = {}) {
    auto* panel = new QLabel(text, &bar);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(2);
    panel->setTextFormat(Qt::PlainText);
    panel->setGeometry(left, 0, TwipsToPixels(twips), bar.height());
    return panel;
}

}  // namespace

ClockStatusBar::ClockStatusBar(QWidget* parent) : QStatusBar(parent) {
    setFixedHeight(TwipsToPixels(kStatusBarTwips));
    // A grip would cover the end of the welcome line.
    setSizeGripEnabled(false);

    m_date = AddPanel(*this, "Panel1", 0, kDateTwips);
    m_time = AddPanel(*this, "Panel2", TwipsToPixels(kDateTwips), kTimeTwips);
    AddPanel(*this, "Panel3", TwipsToPixels(kDateTwips) + TwipsToPixels(kTimeTwips), kTextTwips,
             QString::fromUtf8(kWelcome) + u' ' + QString::fromUtf8(kSiteAddress));

    m_nextMinute.setSingleShot(true);
    m_nextMinute.setTimerType(Qt::PreciseTimer);
    connect(&m_nextMinute, &QTimer::timeout, this, &ClockStatusBar::ShowNow);
    ShowNow();
}

void ClockStatusBar::ShowNow() {
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
    m_time->setText(now.time().toString(QStringLiteral(u"hh:mm")));

    const int intoMinute = now.time().second() * 1000 + now.time().msec();
    // A few milliseconds past the turn, so the new minute has surely begun.
    m_nextMinute.start(60'000 - intoMinute + 20);
}

}  // namespace tavrel::ui
