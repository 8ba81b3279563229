#include "playback/step_timer.h"

#include <chrono>

StepTimer::StepTimer(QObject* parent) : StepSource(parent) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &StepTimer::Fire);
}

void StepTimer::Start() {
  if (running_) return;
  running_ = true;
  clock_.Resume();
  ScheduleNext();
}

void StepTimer::Stop() {
  running_ = false;
  timer_.stop();
}

void StepTimer::Fire() {
  if (!running_) return;
  const int due = clock_.StepTaken();
  emit step(due);
  if (running_) ScheduleNext();
}

void StepTimer::ScheduleNext() {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(clock_.TimeUntilNextStep());
  timer_.start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds::zero()));
}
