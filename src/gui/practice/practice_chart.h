#pragma once

#include "shell/practice_history.h"

#include <QChartView>
#include <QString>

#include <vector>

class QBarSet;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;

// The texts of the chart in the interface language.
struct PracticeChartCaptions {
  QString name = QStringLiteral("Progress");
  QString noSession = QStringLiteral("No session yet");
  QString rightAxis = QStringLiteral("Right answers (%)");
  QString speedAxis = QStringLiteral("Speed (%)");
};

// The last practice sessions at a glance: the share of right answers (bars, 0..100 %,
// scale on the left) and the average speed (a line, scale on the right), oldest on the
// left, dates under the bars. A screen reader reads the same numbers from the chart's
// accessible description, one session after another.
class PracticeChart : public QChartView {
  Q_OBJECT

 public:
  explicit PracticeChart(QWidget* parent = nullptr);
  void SetSessions(std::vector<PracticeSessionRecord> sessions);
  void SetCaptions(PracticeChartCaptions captions);
  const std::vector<PracticeSessionRecord>& Sessions() const { return sessions_; }
  // Which sessions have their date under their bar (indexes, oldest first).
  const std::vector<int>& DatedSessions() const { return dated_; }
  QSize sizeHint() const override { return {420, 220}; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fill();
  void DateTheBars();

  std::vector<PracticeSessionRecord> sessions_;
  PracticeChartCaptions captions_;
  std::vector<int> dated_;
  QBarSet* rights_;
  QLineSeries* speeds_;
  QCategoryAxis* dates_;
  QValueAxis* rightScale_;
  QValueAxis* speedScale_;
};
