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

void StepClock::StepTaken() {
  const Nanoseconds now = now_();
  if (started_ && now - next_ < kStep)
    next_ += kStep;
  else
    next_ = now + kStep;
  started_ = true;
}
