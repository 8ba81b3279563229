#include "gui/practice/practice_chart.h"

#include "shell/month_day_format.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBarColour(120, 180, 120);
const QColor kBarTextColour(40, 110, 40);
const QColor kLineColour(40, 70, 170);
constexpr double kGap = 4.0;

}  // namespace

PracticeChart::PracticeChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PracticeChart"));
  setAccessibleName(captions_.name);
  // Room for the two axis names, three scale lines and a row of dates.
  setMinimumSize(320, 150);
}

void PracticeChart::SetSessions(std::vector<PracticeSessionRecord> sessions) {
  sessions_ = std::move(sessions);
  update();
}

void PracticeChart::SetCaptions(PracticeChartCaptions captions) {
  captions_ = std::move(captions);
  setAccessibleName(captions_.name);
  update();
}

void PracticeChart::paintEvent(QPaintEvent*) {
  drawnLabels_.clear();
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::gray);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QFontMetricsF metrics(font());
  const auto label = [&](const QRectF& box, int alignment, const QString& text, const QColor& colour) {
    painter.setPen(colour);
    const QRectF used = metrics.boundingRect(box, alignment, text);
    painter.drawText(box, alignment, text);
    drawnLabels_.push_back({text, used});
  };

  const QRectF area = QRectF(rect()).adjusted(kGap + 2, 2, -kGap - 2, -2);
  const double line = metrics.height();
  // The axis names head their scales: the share on the left, the speed on the right.
  const QRectF heading(area.left(), area.top(), area.width(), line);
  label(heading, Qt::AlignLeft | Qt::AlignVCenter, captions_.rightAxis, kBarTextColour);
  label(heading, Qt::AlignRight | Qt::AlignVCenter, captions_.speedAxis, kLineColour);

  int fastest = 1;
  for (const PracticeSessionRecord& session : sessions_) fastest = std::max(fastest, session.AverageSpeed);
  const QString fastestText = QString::number(fastest);
  const double leftScale = metrics.horizontalAdvance(QStringLiteral("100")) + kGap;
  const double rightScale = metrics.horizontalAdvance(fastestText) + kGap;
  // Half a line above the plot, so the top scale number stays below the heading.
  const QRectF plot(area.left() + leftScale, heading.bottom() + line * 0.5 + kGap,
                    area.width() - leftScale - rightScale, 0);
  // The dates go below the half line the bottom scale number reaches down.
  const double bottom = area.bottom() - line * 1.5 - kGap;
  const QRectF frame(plot.left(), plot.top(), plot.width(), std::max(1.0, bottom - plot.top()));

  for (int step = 0; step <= 2; ++step) {
    const double y = frame.bottom() - frame.height() * step / 2.0;
    painter.setPen(QColor(200, 200, 200));
    painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
    const QRectF scaleRow(area.left(), y - line / 2, area.width(), line);
    label(scaleRow, Qt::AlignLeft | Qt::AlignVCenter, QString::number(step * 50), kBarTextColour);
  }
  if (sessions_.empty()) {
    label(frame, Qt::AlignCenter, captions_.noSession, Qt::black);
    return;
  }
  // The speed line reaches 95 % of the height at the fastest session.
  const auto speedY = [&](double speed) { return frame.bottom() - speed / fastest * frame.height() * 0.95; };
  label(QRectF(area.left(), speedY(fastest) - line / 2, area.width(), line), Qt::AlignRight | Qt::AlignVCenter,
        fastestText, kLineColour);
  label(QRectF(area.left(), frame.bottom() - line / 2, area.width(), line), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("0"), kLineColour);

  const int count = static_cast<int>(sessions_.size());
  const double slot = frame.width() / count;
  // Dates are written under every n-th bar so that neighbours never touch.
  double widestDate = 0;
  std::vector<QString> dates;
  const QLocale locale;
  const QString dateFormat = MonthDayFormat(locale);
  for (const PracticeSessionRecord& session : sessions_) {
    dates.push_back(locale.toString(session.When.toLocalTime().date(), dateFormat));
    widestDate = std::max(widestDate, metrics.horizontalAdvance(dates.back()));
  }
  const int every = std::max(1, static_cast<int>(std::ceil((widestDate + kGap) / slot)));
  QPainterPath speeds;
  for (int i = 0; i < count; ++i) {
    const PracticeSessionRecord& session = sessions_[i];
    const double share = session.Asked > 0 ? session.Right / static_cast<double>(session.Asked) : 0.0;
    const double barHeight = share * frame.height();
    painter.fillRect(QRectF(frame.left() + i * slot + slot * 0.15, frame.bottom() - barHeight, slot * 0.7, barHeight),
                     kBarColour);
    const QPointF point(frame.left() + (i + 0.5) * slot, speedY(session.AverageSpeed));
    i == 0 ? speeds.moveTo(point) : speeds.lineTo(point);
    // The newest session always has its date; the others count back from it.
    if ((count - 1 - i) % every == 0) {
      const double centre = std::clamp(point.x(), area.left() + widestDate / 2, area.right() - widestDate / 2);
      label(QRectF(centre - widestDate / 2 - kGap / 2, frame.bottom() + line / 2 + kGap, widestDate + kGap, line),
            Qt::AlignHCenter | Qt::AlignTop, dates[i], Qt::black);
    }
  }
  painter.setPen(QPen(kLineColour, 2));
  painter.drawPath(speeds);
}
