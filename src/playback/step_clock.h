#pragma once

#include <chrono>
#include <functional>

// Paces animation steps at 60 per second, whatever the display, so a word takes the
// same time on every machine. Steps keep to a fixed schedule: a step drawn a little
// late does not push the next ones back. After a pause longer than a step (the hand
// was idle, or the machine could not keep up) the schedule starts again at once.
class StepClock {
 public:
  using Nanoseconds = std::chrono::nanoseconds;
  using TimeSource = std::function<Nanoseconds()>;

  static constexpr Nanoseconds kStep{1'000'000'000 / 60};

  // `now` gives a monotonic time; by default the steady clock.
  explicit StepClock(TimeSource now = {});

  // How long to wait before the next step may be drawn; zero when it is due.
  Nanoseconds TimeUntilNextStep() const;

  // Call as a step is drawn; returns how many steps are due with it (1 on time, more
  // when the step is late by a whole step or more), which the schedule moves past.
  int StepTaken();

  // Call as steps start again after a stop.
  void Resume();

 private:
  TimeSource now_;
  Nanoseconds next_{};
  bool started_ = false;
};
