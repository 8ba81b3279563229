#include "gui/practice/practice_chart.h"

#include "shell/month_day_format.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBarColour(120, 180, 120);
const QColor kBarTextColour(40, 110, 40);
const QColor kLineColour(40, 70, 170);
constexpr double kGap = 6.0;

// The speed scale ends at a round ten above the fastest session, so its line never
// touches the top.
int SpeedScaleEnd(const std::vector<PracticeSessionRecord>& sessions) {
  int fastest = 1;
  for (const PracticeSessionRecord& session : sessions) fastest = std::max(fastest, session.AverageSpeed);
  return (fastest * 105 / 100 + 9) / 10 * 10;
}

int RightPercent(const PracticeSessionRecord& session) {
  return session.Asked > 0 ? static_cast<int>(std::lround(100.0 * session.Right / session.Asked)) : 0;
}

}  // namespace

PracticeChart::PracticeChart(QWidget* parent)
    : QChartView(parent),
      rights_(new QBarSet(QString())),
      speeds_(new QLineSeries),
      dates_(new QCategoryAxis),
      rightScale_(new QValueAxis),
      speedScale_(new QValueAxis) {
  setObjectName(QStringLiteral("PracticeChart"));
  setRenderHint(QPainter::Antialiasing);
  setMinimumSize(320, 170);
  auto* chart = new QChart;
  chart->legend()->hide();
  chart->setBackgroundRoundness(0);
  chart->setMargins(QMargins(2, 2, 2, 2));
  chart->layout()->setContentsMargins(0, 0, 0, 0);

  rights_->setColor(kBarColour);
  rights_->setBorderColor(kBarColour);
  auto* bars = new QBarSeries;
  bars->append(rights_);
  bars->setBarWidth(0.7);
  speeds_->setPen(QPen(kLineColour, 2));
  chart->addSeries(bars);
  chart->addSeries(speeds_);

  dates_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  dates_->setStartValue(-0.5);
  dates_->setGridLineVisible(false);
  rightScale_->setRange(0, 100);
  rightScale_->setTickCount(3);
  rightScale_->setLabelFormat(QStringLiteral("%d"));
  speedScale_->setTickCount(3);
  speedScale_->setLabelFormat(QStringLiteral("%d"));
  speedScale_->setGridLineVisible(false);
  for (auto [scale, colour] : {std::pair{rightScale_, kBarTextColour}, std::pair{speedScale_, kLineColour}}) {
    scale->setTitleBrush(colour);
    scale->setLabelsBrush(colour);
  }
  chart->addAxis(dates_, Qt::AlignBottom);
  chart->addAxis(rightScale_, Qt::AlignLeft);
  chart->addAxis(speedScale_, Qt::AlignRight);
  bars->attachAxis(dates_);
  bars->attachAxis(rightScale_);
  speeds_->attachAxis(dates_);
  speeds_->attachAxis(speedScale_);
  setChart(chart);
  Fill();
}

void PracticeChart::SetSessions(std::vector<PracticeSessionRecord> sessions) {
  sessions_ = std::move(sessions);
  Fill();
}

void PracticeChart::SetCaptions(PracticeChartCaptions captions) {
  captions_ = std::move(captions);
  Fill();
}

void PracticeChart::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  DateTheBars();
}

void PracticeChart::Fill() {
  setAccessibleName(captions_.name);
  rightScale_->setTitleText(captions_.rightAxis);
  speedScale_->setTitleText(captions_.speedAxis);
  chart()->setTitle(sessions_.empty() ? captions_.noSession : QString());

  if (rights_->count() > 0) rights_->remove(0, rights_->count());
  QList<QPointF> points;
  QStringList spoken;
  const QLocale locale;
  const QString dateFormat = MonthDayFormat(locale);
  for (size_t i = 0; i < sessions_.size(); ++i) {
    const PracticeSessionRecord& session = sessions_[i];
    rights_->append(RightPercent(session));
    points.append(QPointF(static_cast<double>(i), session.AverageSpeed));
    spoken << QStringLiteral("%1: %2 %3, %4 %5")
                  .arg(locale.toString(session.When.toLocalTime().date(), dateFormat), captions_.rightAxis)
                  .arg(RightPercent(session))
                  .arg(captions_.speedAxis)
                  .arg(session.AverageSpeed);
  }
  speeds_->replace(points);
  speedScale_->setRange(0, SpeedScaleEnd(sessions_));
  // The numbers the bars and the line show, for whoever cannot see them.
  setAccessibleDescription(sessions_.empty() ? captions_.noSession : spoken.join(QStringLiteral("; ")));
  DateTheBars();
}

void PracticeChart::DateTheBars() {
  for (const QString& label : dates_->categoriesLabels()) dates_->remove(label);
  dated_.clear();
  const int count = static_cast<int>(sessions_.size());
  dates_->setRange(-0.5, std::max(count, 1) - 0.5);
  if (count == 0) return;

  chart()->layout()->activate();
  const double plotWidth = chart()->plotArea().width() > 0 ? chart()->plotArea().width() : width() * 0.6;
  const double slot = plotWidth / count;
  const QFontMetricsF metrics(dates_->labelsFont());
  const QLocale locale;
  const QString dateFormat = MonthDayFormat(locale);
  std::vector<QString> dates;
  double widest = 0;
  for (const PracticeSessionRecord& session : sessions_) {
    dates.push_back(locale.toString(session.When.toLocalTime().date(), dateFormat));
    widest = std::max(widest, metrics.horizontalAdvance(dates.back()));
  }
  // Dates are written under every n-th bar so that neighbours never touch; the newest
  // session always has its date, and a day is dated once, under its last session.
  const int every = std::max(1, static_cast<int>(std::ceil((widest + kGap) / slot)));
  QStringList used;
  for (int i = count - 1; i >= 0; i -= every) {
    if (used.contains(dates[i])) continue;
    used << dates[i];
    dated_.insert(dated_.begin(), i);
  }
  for (const int i : dated_) dates_->append(dates[i], i);
}
