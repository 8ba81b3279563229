#include "shell/reading_speed.h"

#include <gtest/gtest.h>

#include <vector>

// The fastest pace read 80 % right, counting the words spelled at that pace or faster
// among the last twenty.
TEST(ReadingSpeed, IsTheFastestPaceReadMostlyRightOverTheLastTwentyWords) {
  struct Case {
    const char* What;
    std::vector<PacedAnswer> Answers;
    std::optional<double> Expected;
  };
  std::vector<PacedAnswer> oldFastThenSlow(20, {1.5, true});
  oldFastThenSlow.insert(oldFastThenSlow.begin(), {6.0, true});
  const Case cases[] = {
      {"no answer", {}, std::nullopt},
      {"all wrong", {{2.0, false}, {3.0, false}}, std::nullopt},
      {"the fastest read right", {{2.0, false}, {3.5, true}, {2.5, true}}, 3.5},
      {"a fast miss brings it down", {{2.0, true}, {2.2, true}, {2.4, true}, {2.6, true}, {5.0, false}}, 2.0},
      {"one lucky word alone is fastest", {{2.0, true}, {2.0, false}, {4.0, true}}, 4.0},
      {"words of the same pace count together", {{3.0, true}, {3.0, false}, {2.0, true}, {2.0, true}, {2.0, true}}, 2.0},
      {"only the last twenty count", oldFastThenSlow, 1.5},
  };
  for (const Case& c : cases) EXPECT_EQ(CurrentReadingSpeed(c.Answers), c.Expected) << c.What;
  EXPECT_DOUBLE_EQ(LettersPerSecond(5, 75), 4.0);
  EXPECT_EQ(LettersPerSecond(0, 75), 0.0);
  EXPECT_EQ(LettersPerSecond(3, 0), 0.0);
}

// The least-squares gain per session carries the last session's speed to the target;
// never a negative, an infinite or a senseless number.
TEST(ReadingSpeed, TheSessionsLeftFollowTheLineThroughTheSessions) {
  struct Case {
    const char* What;
    std::vector<double> Speeds;
    std::optional<int> Expected;
  };
  const Case cases[] = {
      {"no session", {}, std::nullopt},
      {"two sessions are too few", {1.0, 2.0}, std::nullopt},
      {"0.5 a session from 2.0", {1.0, 1.5, 2.0}, 4},
      {"noisy gain of 0.4 a session", {1.0, 1.6, 1.8, 2.2}, 5},
      {"already there", {3.0, 3.5, 4.2}, 0},
      {"reached, though slower lately", {4.5, 4.2, 4.0}, 0},
      {"no gain", {2.0, 2.0, 2.0}, std::nullopt},
      {"getting slower", {3.0, 2.5, 2.0}, std::nullopt},
      {"a gain too slow to say anything", {1.0, 1.0001, 1.0002}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(SessionsToTarget(c.Speeds, kTargetLettersPerSecond), c.Expected) << c.What;
}

TEST(ReadingSpeed, TheLineSaysThePaceTheReadingSpeedAndTheSessionsLeft) {
  const ReadingSpeedPhrases english;
  EXPECT_EQ(ReadingSpeedLine({2.44, 120, 2.0, 4.0, 5}, english),
            u"This word 2.4 letters/s at 120 %; you read 2.0 letters/s, the target is 4.0; about 5 sessions to the target"_qs);
  EXPECT_EQ(ReadingSpeedLine({std::nullopt, 0, std::nullopt, 4.0, std::nullopt}, english),
            u"Your reading speed is not known yet, the target is 4.0; sessions to the target not known yet"_qs);
  EXPECT_EQ(ReadingSpeedLine({3.0, 100, 4.1, 4.0, 0}, english),
            u"This word 3.0 letters/s at 100 %; you read 4.1 letters/s, the target is 4.0; target reached"_qs);
}
