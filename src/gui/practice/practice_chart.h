#pragma once

#include "shell/practice_history.h"

#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

// The texts of the chart in the interface language.
struct PracticeChartCaptions {
  QString name = QStringLiteral("Progress");
  QString noSession = QStringLiteral("No session yet");
  QString rightAxis = QStringLiteral("Right answers (%)");
  QString speedAxis = QStringLiteral("Speed (%)");
};

// The last practice sessions at a glance: the share of right answers (bars, 0..100 %,
// scale on the left) and the average speed (a line, 0..the highest speed shown, scale
// on the right), oldest on the left, each session's date under its bar.
class PracticeChart : public QWidget {
  Q_OBJECT

 public:
  // A text the last paint drew and the box it took.
  struct DrawnLabel {
    QString text;
    QRectF box;
  };

  explicit PracticeChart(QWidget* parent = nullptr);
  void SetSessions(std::vector<PracticeSessionRecord> sessions);
  void SetCaptions(PracticeChartCaptions captions);
  const std::vector<PracticeSessionRecord>& Sessions() const { return sessions_; }
  const std::vector<DrawnLabel>& DrawnLabels() const { return drawnLabels_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<PracticeSessionRecord> sessions_;
  PracticeChartCaptions captions_;
  std::vector<DrawnLabel> drawnLabels_;
};
