#include "gui/practice_chart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

PracticeChart::PracticeChart(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PracticeChart"));
  setAccessibleName(QStringLiteral("Progress"));
  setMinimumSize(260, 110);
}

void PracticeChart::SetSessions(std::vector<PracticeSessionRecord> sessions) {
  sessions_ = std::move(sessions);
  update();
}

void PracticeChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::gray);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QRect plot = rect().adjusted(8, 18, -8, -8);
  painter.setPen(Qt::black);
  painter.drawText(rect().adjusted(8, 2, -8, 0), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Right answers (bars) and speed (line)"));
  if (sessions_.empty()) {
    painter.drawText(plot, Qt::AlignCenter, QStringLiteral("No session yet"));
    return;
  }
  const int count = static_cast<int>(sessions_.size());
  const double slot = plot.width() / static_cast<double>(count);
  int fastest = 1;
  for (const PracticeSessionRecord& session : sessions_) fastest = std::max(fastest, session.AverageSpeed);
  QPainterPath speeds;
  for (int i = 0; i < count; ++i) {
    const PracticeSessionRecord& session = sessions_[i];
    const double share = session.Asked > 0 ? session.Right / static_cast<double>(session.Asked) : 0.0;
    const double barHeight = share * plot.height();
    painter.fillRect(QRectF(plot.left() + i * slot + slot * 0.15, plot.bottom() - barHeight, slot * 0.7, barHeight),
                     QColor(120, 180, 120));
    const QPointF point(plot.left() + (i + 0.5) * slot,
                        plot.bottom() - session.AverageSpeed / static_cast<double>(fastest) * plot.height() * 0.95);
    i == 0 ? speeds.moveTo(point) : speeds.lineTo(point);
  }
  painter.setPen(QPen(QColor(40, 70, 170), 2));
  painter.drawPath(speeds);
}
