#include "hand/hand_landmarks.h"

#include "hand/hand.h"
#include "support/straight_hand.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The poses the points are asked of, each from a straight hand.
void Straight(Hand&) {}
void IndexBentTowardsThePalm(Hand& hand) { hand.SetArthro(1, 0, 1, 90.0f); }
void IndexSwungSideways(Hand& hand) { hand.SetArthro(1, 0, 0, 90.0f); }
void WristMoved(Hand& hand) {
  hand.SetPose(0, 10.0f);
  hand.SetPose(1, 20.0f);
  hand.SetPose(2, 30.0f);
}
void WristMovedAndTurned(Hand& hand) {
  WristMoved(hand);
  hand.SetPose(5, 90.0f);  // the palm turned from +x to +y
}
void WristMovedIndexBent(Hand& hand) {
  WristMoved(hand);
  IndexBentTowardsThePalm(hand);
}

}  // namespace

// The fingers' offsets across the knuckles are 22.1 (index), 6.3, -9.5 and -23.7
// (little); their lengths 65, 75, 65 and 55 above the knuckles at z = 50.
TEST(HandLandmarks, NamePointsAlongTheFingersAndOnThePalmWhereverTheHandIsPosed) {
  const float half = StraightHand()->PalmThickness() / 2.0f;
  const struct {
    std::function<void(Hand&)> pose;
    const char* name;
    Vec3 at;
  } cases[] = {
      {Straight, "index", {0, 22.10526f, 115}},
      {Straight, "index.3", {0, 22.10526f, 115}},
      {Straight, "index.0", {0, 22.10526f, 50}},
      {Straight, "index.1.5", {0, 22.10526f, 85}},
      {Straight, "middle", {0, 6.31579f, 125}},
      {Straight, "middle.1", {0, 6.31579f, 75}},
      {Straight, "middle.2", {0, 6.31579f, 100}},
      {Straight, "ring", {0, -9.47369f, 115}},
      {Straight, "little", {0, -23.68421f, 105}},
      {Straight, "thumb.0", {0, 22.10526f, 0}},  // the thumb starts at the wrist on the index side
      {Straight, "thumb", {0, 22.10526f, 80}},
      {Straight, "wrist", {0, 0, 0}},
      {Straight, "palm", {half, 0, 25}},
      {Straight, "back", {-half, 0, 25}},
      {Straight, "heel", {half, 0, 7.5f}},
      {Straight, "edge", {0, -27.5f, 25}},  // 50 wide at the wrist, 60 at the knuckles
      // A base joint bent about y points the rest of the finger along +x, towards the
      // palm side; about x it swings towards -y.
      {IndexBentTowardsThePalm, "index", {65, 22.10526f, 50}},
      {IndexSwungSideways, "index", {0, 22.10526f - 65, 50}},
      // The wrist turns about z, then y, then x around its own position.
      {WristMovedAndTurned, "middle", {10 - 6.31579f, 20, 155}},
      {WristMovedAndTurned, "index.0", {10 - 22.10526f, 20, 80}},
      {WristMovedAndTurned, "palm", {10, 20 + half, 55}},
      {WristMovedIndexBent, "index.1", {10 + 25, 20 + 22.10526f, 80}},
      {WristMovedIndexBent, "index", {10 + 65, 20 + 22.10526f, 80}},
  };
  for (const auto& c : cases) {
    const auto hand = StraightHand();
    c.pose(*hand);
    const std::optional<Vec3> point = HandLandmark(*hand, c.name);
    ASSERT_TRUE(point.has_value()) << c.name;
    EXPECT_NEAR(point->x, c.at.x, 1e-3f) << c.name;
    EXPECT_NEAR(point->y, c.at.y, 1e-3f) << c.name;
    EXPECT_NEAR(point->z, c.at.z, 1e-3f) << c.name;
    EXPECT_TRUE(IsHandLandmarkName(c.name)) << c.name;
  }

  for (const char* bad : {"", "pinky", "index.", "index.3.5", "index.-1", "index.x", "palm.1", "index.nan"}) {
    EXPECT_FALSE(HandLandmark(*StraightHand(), bad).has_value()) << bad;
    EXPECT_FALSE(IsHandLandmarkName(bad)) << bad;
  }
}
