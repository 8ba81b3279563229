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

TEST(StepClock, ALateStepSaysHowManyAreDueAndAPauseStartsAfresh) {
  ManualTime time;
  StepClock clock(time.Source());
  EXPECT_EQ(clock.StepTaken(), 1);
  const nanoseconds first = time.now;

  // Half a step late: one step is due, and the schedule stays, so the next comes half a
  // step sooner.
  time.now = first + StepClock::kStep + StepClock::kStep / 2;
  EXPECT_EQ(clock.TimeUntilNextStep(), nanoseconds::zero());
  EXPECT_EQ(clock.StepTaken(), 1);
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep / 2);

  // Four steps and a bit late (a slow picture): five are due, and the schedule moves
  // past them all.
  time.now = first + 6 * StepClock::kStep + milliseconds(2);
  EXPECT_EQ(clock.StepTaken(), 5);
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep - milliseconds(2));

  // Stopped within a step, the schedule goes on; idle for a second, the next word's
  // first step is drawn at once, the one after a full step later.
  clock.Resume();
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep - milliseconds(2));
  time.now += milliseconds(1000);
  clock.Resume();
  EXPECT_EQ(clock.TimeUntilNextStep(), nanoseconds::zero());
  EXPECT_EQ(clock.StepTaken(), 1);
  EXPECT_EQ(clock.TimeUntilNextStep(), StepClock::kStep);
}
