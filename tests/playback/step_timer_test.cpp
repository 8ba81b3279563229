#include "playback/step_timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

// The one test that lets the real clock run: what the players and windows are tested
// with by hand, the desktop program takes from this timer.
TEST(StepTimerTest, StepsComeSixtyPerSecondFromTheStartUntilStopped) {
  int argc = 1;
  char name[16] = "step_timer_test";
  char* argv[2] = {name, nullptr};
  QCoreApplication app(argc, argv);
  StepTimer timer;
  int steps = 0;
  QObject::connect(&timer, &StepTimer::step, [&] {
    if (++steps == 18) timer.Stop();
  });
  QElapsedTimer clock;
  clock.start();
  timer.Start();
  EXPECT_TRUE(timer.IsRunning());
  ASSERT_TRUE(QTest::qWaitFor([&timer] { return !timer.IsRunning(); }, 5000));
  // The first step at once, seventeen more on a schedule of 60 per second.
  EXPECT_GE(clock.elapsed(), 17 * 1000 / 60 - 2);
  EXPECT_EQ(steps, 18);
}
