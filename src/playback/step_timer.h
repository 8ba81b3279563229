#pragma once

#include "playback/step_clock.h"

#include <QObject>
#include <QTimer>

// Emits step() on the step clock's fixed schedule of 60 per second while it runs: at
// once when started after a pause, then every 1/60 s, a late step not pushing the
// next ones back.
class StepTimer : public QObject {
  Q_OBJECT

 public:
  explicit StepTimer(QObject* parent = nullptr);

  void Start();
  void Stop();
  bool IsRunning() const { return running_; }

 signals:
  void step();

 private:
  void Fire();
  void ScheduleNext();

  StepClock clock_;
  QTimer timer_;
  bool running_ = false;
};
