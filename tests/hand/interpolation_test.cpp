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

TEST(Interpolation, OneStepGoesFromTheCurrentPoseToTheTarget) {
  auto hand = HandMoving(10.0f, 30.0f, 1);
  EXPECT_EQ(hand->fArthro(0, 1, 0, 1), 10.0f);
  EXPECT_EQ(hand->fArthro(1, 1, 0, 1), 30.0f);
  EXPECT_EQ(hand->fpose(0, 2), 10.0f);
  EXPECT_EQ(hand->fpose(1, 2), 30.0f);
  // Action leaves the current pose alone; it changes only when a row is applied.
  EXPECT_EQ(hand->Arthro(1, 0, 1), 10.0f);
  hand->ApplyStep(1);
  EXPECT_EQ(hand->Arthro(1, 0, 1), 30.0f);
  EXPECT_EQ(hand->pose(2), 30.0f);
}

TEST(Interpolation, AnglesMoveAsPlainNumbersWithoutWrapping) {
  auto hand = HandMoving(350.0f, 10.0f, 4);
  const float expected[] = {350.0f, 265.0f, 180.0f, 95.0f, 10.0f};
  for (int f = 0; f <= 4; ++f) {
    EXPECT_EQ(hand->fArthro(f, 1, 0, 1), expected[f]) << f;
    EXPECT_EQ(hand->fpose(f, 2), expected[f]) << f;
  }
}

TEST(Interpolation, AJointAtItsTargetStaysExactlyConstant) {
  Hand hand;
  hand.SetArthro(2, 1, 0, 0.1f);
  hand.SetTargetArthro(2, 1, 0, 0.1f);
  hand.SetFrameNo(7);
  hand.Refresh();
  hand.Action();
  for (int f = 0; f <= 7; ++f) {
    EXPECT_EQ(hand.fArthro(f, 2, 1, 0), 0.1f) << f;
    EXPECT_EQ(hand.fpose(f, 6), 0.0f) << f;
  }
}

TEST(Interpolation, ValuesFollowTheDoublePrecisionDifferenceRoundedToAFloat) {
  // (to - from) in double, times f and over N as floats, plus from, rounded to float.
  const float from = 0.1f;
  const float to = 0.7f;
  auto hand = HandMoving(from, to, 3);
  for (int f = 0; f <= 3; ++f) {
    const double expected = (static_cast<double>(to) - from) * static_cast<float>(f) /
                                static_cast<float>(3) +
                            from;
    EXPECT_EQ(hand->fArthro(f, 1, 0, 1), static_cast<float>(expected)) << f;
  }
  EXPECT_EQ(hand->fArthro(3, 1, 0, 1), to);
}

TEST(Interpolation, NegativeStepCountWritesNothing) {
  Hand hand;
  hand.SetFArthro(0, 1, 0, 1, -5.0f);
  hand.SetTargetArthro(1, 0, 1, 90.0f);
  hand.SetFrameNo(-3);
  hand.Action();
  EXPECT_EQ(hand.fArthro(0, 1, 0, 1), -5.0f);
  EXPECT_EQ(hand.Arthro(1, 0, 1), 20.0f);
}

TEST(Interpolation, RefreshSeedsTheWristTableButNotFingersOrRow1000) {
  Hand hand;
  hand.SetPose(0, 12.0f);
  hand.SetPose(6, 0.0f);
  hand.SetFpose(1000, 0, -1.0f);
  hand.SetFArthro(5, 2, 1, 0, 7.0f);
  hand.SetNumFrame0(0);
  hand.Refresh();
  EXPECT_EQ(hand.fpose(0, 0), 12.0f);
  EXPECT_EQ(hand.fpose(999, 0), 12.0f);
  EXPECT_EQ(hand.fpose(1000, 0), -1.0f);
  EXPECT_EQ(hand.fArthro(5, 2, 1, 0), 7.0f);
}

TEST(Interpolation, RowsBeyondTheStepCountKeepWhatTheyHeld) {
  Hand hand;
  hand.SetFArthro(5, 1, 0, 1, 123.0f);
  hand.SetTargetArthro(1, 0, 1, 40.0f);
  hand.SetFrameNo(4);
  hand.Action();
  EXPECT_EQ(hand.fArthro(4, 1, 0, 1), 40.0f);
  EXPECT_EQ(hand.fArthro(5, 1, 0, 1), 123.0f);
}

TEST(Interpolation, TheLongestMovementFillsTheLastRow) {
  auto hand = HandMoving(0.0f, 1000.0f, 1000);
  EXPECT_EQ(hand->fArthro(500, 1, 0, 1), 500.0f);
  EXPECT_EQ(hand->fArthro(1000, 1, 0, 1), 1000.0f);
}
