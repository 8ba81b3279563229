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
  ScheduleNext();
}

void StepTimer::Stop() {
  running_ = false;
  timer_.stop();
}

void StepTimer::Fire() {
  if (!running_) return;
  clock_.StepTaken();
  emit step();
  if (running_) ScheduleNext();
}

void StepTimer::ScheduleNext() {
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(clock_.TimeUntilNextStep());
  timer_.start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds::zero()));
}
