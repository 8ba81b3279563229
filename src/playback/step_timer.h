#pragma once

#include "playback/step_clock.h"
#include "playback/step_source.h"

#include <QTimer>

// Emits step(due) on the step clock's fixed schedule of 60 per second while it runs: at
// once when started, then every 1/60 s, a late step not pushing the next ones back and
// saying how many steps came due while it was late.
class StepTimer : public StepSource {
  Q_OBJECT

 public:
  explicit StepTimer(QObject* parent = nullptr);

  void Start() override;
  void Stop() override;
  bool IsRunning() const override { return running_; }

 private:
  void Fire();
  void ScheduleNext();

  StepClock clock_;
  QTimer timer_;
  bool running_ = false;
};
