#include "hand/hand.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<Hand> HandMoving(float from, float to, int16_t steps) {
  auto hand = std::make_unique<Hand>();
  hand->SetArthro(1, 0, 1, from);
  hand->SetTargetArthro(1, 0, 1, to);
  hand->SetPose(2, from);
  hand->SetTargetPose(2, to);
  hand->SetFrameNo(steps);
  hand->SetNumFrame0(0);
  hand->Refresh();
  hand->Action();
  return hand;
}

}  // namespace

// Row f of a movement over N steps is (to - from) in double, times f and over N as
// floats, plus from, rounded to a float: angles move as plain numbers (350 to 10 goes
// down through 180, not up through 360), the last row is the target exactly, and a
// value at its target stays exactly constant. The pose itself waits for a row.
TEST(Interpolation, EachRowIsTheDoublePrecisionDifferenceRoundedToAFloatWithoutWrapping) {
  const struct {
    float from, to;
    int16_t steps;
  } cases[] = {{10.0f, 30.0f, 1}, {350.0f, 10.0f, 4}, {0.1f, 0.7f, 3}, {0.0f, 1000.0f, 1000}, {0.1f, 0.1f, 7}};
  for (const auto& c : cases) {
    auto hand = HandMoving(c.from, c.to, c.steps);
    for (int f = 0; f <= c.steps; ++f) {
      const float expected = static_cast<float>(
          (static_cast<double>(c.to) - c.from) * static_cast<float>(f) / static_cast<float>(c.steps) + c.from);
      EXPECT_EQ(hand->fArthro(f, 1, 0, 1), expected) << c.from << " row " << f;
      EXPECT_EQ(hand->fpose(f, 2), expected) << c.from << " row " << f;
      EXPECT_EQ(hand->fpose(f, 6), 0.0f) << c.from << " row " << f;
    }
    EXPECT_EQ(hand->fArthro(c.steps, 1, 0, 1), c.to);
    EXPECT_EQ(hand->Arthro(1, 0, 1), c.from);
    hand->ApplyStep(c.steps);
    EXPECT_EQ(hand->Arthro(1, 0, 1), c.to);
    EXPECT_EQ(hand->pose(2), c.to);
  }
  EXPECT_EQ(HandMoving(350.0f, 10.0f, 4)->fArthro(2, 1, 0, 1), 180.0f);
}

// Rows beyond the step count keep what they held; a negative count writes none.
TEST(Interpolation, ActionWritesRowsZeroToTheStepCountOnly) {
  Hand hand;
  hand.SetFArthro(0, 1, 0, 1, -5.0f);
  hand.SetFArthro(5, 1, 0, 1, 123.0f);
  hand.SetTargetArthro(1, 0, 1, 40.0f);
  hand.SetFrameNo(-3);
  hand.Action();
  EXPECT_EQ(hand.fArthro(0, 1, 0, 1), -5.0f);
  EXPECT_EQ(hand.Arthro(1, 0, 1), 20.0f);
  hand.SetFrameNo(4);
  hand.Action();
  EXPECT_EQ(hand.fArthro(4, 1, 0, 1), 40.0f);
  EXPECT_EQ(hand.fArthro(5, 1, 0, 1), 123.0f);
}

TEST(Interpolation, RefreshSeedsTheWristTableButNotFingersOrRow1000) {
  Hand hand;
  hand.SetPose(0, 12.0f);
  hand.SetFpose(1000, 0, -1.0f);
  hand.SetFArthro(5, 2, 1, 0, 7.0f);
  hand.SetNumFrame0(0);
  hand.Refresh();
  EXPECT_EQ(hand.fpose(0, 0), 12.0f);
  EXPECT_EQ(hand.fpose(999, 0), 12.0f);
  EXPECT_EQ(hand.fpose(1000, 0), -1.0f);
  EXPECT_EQ(hand.fArthro(5, 2, 1, 0), 7.0f);
}
