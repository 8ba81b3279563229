#include "playback/step_clock.h"

namespace {

StepClock::Nanoseconds SteadyNow() {
  return std::chrono::duration_cast<StepClock::Nanoseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

StepClock::StepClock(TimeSource now) : now_(now ? std::move(now) : TimeSource(SteadyNow)) {}

StepClock::Nanoseconds StepClock::TimeUntilNextStep() const {
  if (!started_) return Nanoseconds::zero();
  const Nanoseconds left = next_ - now_();
  return left > Nanoseconds::zero() ? left : Nanoseconds::zero();
}

void StepClock::Resume() {
  if (started_ && now_() - next_ >= kStep) started_ = false;
}

int StepClock::StepTaken() {
  const Nanoseconds now = now_();
  if (!started_) {
    started_ = true;
    next_ = now + kStep;
    return 1;
  }
  // A step taken early still counts as the one due next.
  const int due = now > next_ ? 1 + static_cast<int>((now - next_) / kStep) : 1;
  next_ += due * kStep;
  return due;
}
