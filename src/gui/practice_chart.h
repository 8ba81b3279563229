#pragma once

#include "shell/practice_history.h"

#include <QWidget>

#include <vector>

// The last practice sessions at a glance: the share of right answers (bars, 0..100 %)
// and the average speed (a line, 0..the highest speed shown), oldest on the left.
class PracticeChart : public QWidget {
  Q_OBJECT

 public:
  explicit PracticeChart(QWidget* parent = nullptr);
  void SetSessions(std::vector<PracticeSessionRecord> sessions);
  const std::vector<PracticeSessionRecord>& Sessions() const { return sessions_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<PracticeSessionRecord> sessions_;
};
