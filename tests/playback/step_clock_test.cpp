#include "playback/step_clock.h"

#include <gtest/gtest.h>

using std::chrono::milliseconds;
using std::chrono::nanoseconds;

namespace {

// A clock the test moves by hand.
struct ManualTime {
  nanoseconds now{milliseconds(1000)};
  StepClock::TimeSource Source() {
    return [this] { return now; };
  }
};

}  // namespace

TEST(StepClock, StepsKeepAFixedScheduleOfSixtyPerSecond) {
  ManualTime time;
  StepClock clock(time.Source());
  EXPECT_EQ(clock.TimeUntilNextStep(), nanoseconds::zero());  // the first step at once
  clock.StepTaken();
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep);

  // Drawing took 5 ms: the next step is due 5 ms earlier, not a whole step later.
  time.now += milliseconds(5);
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep - milliseconds(5));

  // Sixty steps, each taken the moment it is due, take one second.
  const nanoseconds start = time.now - milliseconds(5);
  for (int step = 1; step <= 60; ++step) {
    time.now += clock.TimeUntilNextStep();
    clock.StepTaken();
  }
  EXPECT_NEAR(static_cast<double>((time.now - start).count()), 1e9, 100.0);
}

TEST(StepClock, ALateStepIsCaughtUpAndALongPauseStartsAfresh) {
  ManualTime time;
  StepClock clock(time.Source());
  clock.StepTaken();
  const nanoseconds first = time.now;

  // Half a step late: the schedule stays, so the next step comes half a step sooner.
  time.now = first + StepClock::kStep + StepClock::kStep / 2;
  EXPECT_EQ(clock.TimeUntilNextStep(), nanoseconds::zero());
  clock.StepTaken();
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep / 2);

  // Idle for a second: the next word's first step is drawn at once, the one after a
  // full step later.
  time.now += milliseconds(1000);
  EXPECT_EQ(clock.TimeUntilNextStep(), nanoseconds::zero());
  clock.StepTaken();
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep);
}
