#include "hand/hand.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Hand, ANewHandHasItsWristAtTheOriginEveryFingerJointAt20AndFingersFillingTheKnuckles) {
  Hand hand;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(hand.pose(i), 0.0f) << i;
  for (int f = 0; f < 5; ++f)
    for (int s = 0; s < 3; ++s)
      for (int a = 0; a < 3; ++a) EXPECT_EQ(hand.Arthro(f, s, a), 20.0f);
  // Index values that carry no joint are never set.
  EXPECT_EQ(hand.Arthro(5, 3, 3), 0.0f);
  EXPECT_EQ(hand.Arthro(0, 0, 3), 0.0f);
  EXPECT_EQ(hand.numFrame0(), 0);
  EXPECT_EQ(hand.FrameNo(), 0);
  EXPECT_EQ(hand.target_pose(3), 0.0f);
  // Fixed dimensions fit the fingers across the knuckles.
  EXPECT_FLOAT_EQ(hand.FingerWidth(1) + hand.FingerWidth(2) + hand.FingerWidth(3) + hand.FingerWidth(4), 60.0f);
  EXPECT_NEAR(hand.FingerWidth(0), 18.94737f, 1e-4);
  EXPECT_NEAR(hand.FingerWidth(4), 12.63158f, 1e-4);
  EXPECT_FLOAT_EQ(hand.PalmThickness(), hand.FingerWidth(2));
  // Where the fingers stand and how long they are: hand_landmarks_test; the skin
  // colour: hand_drawing_test.
}

TEST(Hand, AnIndexOutsideItsBoundsThrowsAndStoresNothing) {
  Hand hand;
  EXPECT_THROW(hand.SetPose(8, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.SetPose(-1, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.pose(8), std::out_of_range);
  EXPECT_THROW(hand.SetTargetPose(8, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.SetFpose(1001, 0, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.SetArthro(6, 0, 0, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.SetArthro(0, 4, 0, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.SetTargetArthro(0, 0, 4, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.SetFArthro(-1, 0, 0, 0, 1.0f), std::out_of_range);
  EXPECT_THROW(hand.fArthro(0, 0, 0, -1), std::out_of_range);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(hand.pose(i), 0.0f);
  EXPECT_EQ(hand.fpose(1000, 0), 0.0f);
  // The edges of the bounds are valid.
  hand.SetFArthro(1000, 5, 3, 3, 2.0f);
  EXPECT_EQ(hand.fArthro(1000, 5, 3, 3), 2.0f);
  hand.SetPose(7, 3.0f);
  EXPECT_EQ(hand.pose(7), 3.0f);
}
