#include "playback/sign_action.h"

#include "signdata/sign_table.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Sign 1 has three key frames at rates 1, 0.5 and 2.
std::unique_ptr<SignTable> ThreeFrameTable() {
  auto table = std::make_unique<SignTable>(SignTable::WithHands(1));
  KeyFrame frame;
  frame.Rate = 1.0f;
  table->Signs[0] = {1, FixedLengthName("rest"), {frame}};
  std::vector<KeyFrame> frames(3, frame);
  frames[1].Rate = 0.5f;
  frames[2].Rate = 2.0f;
  table->Signs[1] = {3, FixedLengthName("J"), frames};
  table->SignCount = 2;
  return table;
}

}  // namespace

TEST(SignAction, TheSpeedBoxIsCheckedBeforeAnythingPlays) {
  const auto table = ThreeFrameTable();
  struct Case {
    const char* speed;
    QString message;
  } cases[] = {
      {"", kSpeedEmptyMessage},
      {"abc", kSpeedNotNumberMessage},
      {"0.5", kSpeedInvalidMessage},
      {"-3", kSpeedInvalidMessage},
  };
  for (const Case& c : cases) {
    const SignAction action = PlanSignAction(*table, 1, c.speed);
    EXPECT_TRUE(action.script.empty()) << c.speed;
    EXPECT_EQ(action.message, c.message) << c.speed;
  }
}

TEST(SignAction, KeyFramesPlayFromTheRestPoseUntilOneNeedsMoreThan1000Steps) {
  const auto table = ThreeFrameTable();
  // Speed 8: delay 500, so the rate-2 key frame takes exactly 1000 steps.
  SignAction action = PlanSignAction(*table, 1, "8");
  EXPECT_EQ(action.message, QString());
  EXPECT_EQ(action.script,
            (MoveScript{Move::Pose(0, 0), Move::Target(1, 0), Move::Redraw(500), Move::Target(1, 1),
                        Move::Redraw(250), Move::Target(1, 2), Move::Redraw(1000)}));

  // Speed 4: delay 1000; the rate-2 key frame would need 2000 and is not played.
  action = PlanSignAction(*table, 1, "4");
  EXPECT_EQ(action.message, kStepLimitMessage);
  EXPECT_EQ(action.script,
            (MoveScript{Move::Pose(0, 0), Move::Target(1, 0), Move::Redraw(1000), Move::Target(1, 1),
                        Move::Redraw(500), Move::Target(1, 2)}));

  // Speed 2: delay 2000; already the first key frame is too long.
  action = PlanSignAction(*table, 1, "2");
  EXPECT_EQ(action.message, kStepLimitMessage);
  EXPECT_EQ(action.script, (MoveScript{Move::Pose(0, 0), Move::Target(1, 0)}));

  // Speed 6: 4000 / 6 rounds to a delay of 667, and 667 x 0.5 = 333.5 to 334 (even).
  action = PlanSignAction(*table, 1, "6");
  ASSERT_GE(action.script.size(), 5u);
  EXPECT_EQ(action.script[2], Move::Redraw(667));
  EXPECT_EQ(action.script[4], Move::Redraw(334));
}
