#include "hand/hand_landmarks.h"

#include "hand/hand.h"
#include "support/straight_hand.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

void ExpectNear(const std::optional<Vec3>& p, float x, float y, float z) {
  ASSERT_TRUE(p.has_value());
  EXPECT_NEAR(p->x, x, 1e-3f);
  EXPECT_NEAR(p->y, y, 1e-3f);
  EXPECT_NEAR(p->z, z, 1e-3f);
}

}  // namespace

TEST(HandLandmarks, NamePointsAlongTheFingersAndOnThePalm) {
  const auto hand = StraightHand();
  const float index = hand->FingerOffset(1);
  ExpectNear(HandLandmark(*hand, "index"), 0.0f, index, 50.0f + 65.0f);
  ExpectNear(HandLandmark(*hand, "index.3"), 0.0f, index, 115.0f);
  ExpectNear(HandLandmark(*hand, "index.0"), 0.0f, index, 50.0f);
  ExpectNear(HandLandmark(*hand, "index.1.5"), 0.0f, index, 50.0f + 25.0f + 10.0f);
  ExpectNear(HandLandmark(*hand, "middle.2"), 0.0f, hand->FingerOffset(2), 100.0f);
  ExpectNear(HandLandmark(*hand, "thumb.0"), 0.0f, index, 0.0f);  // at the wrist
  ExpectNear(HandLandmark(*hand, "little"), 0.0f, hand->FingerOffset(4), 105.0f);
  const float half = hand->PalmThickness() / 2.0f;
  ExpectNear(HandLandmark(*hand, "palm"), half, 0.0f, 25.0f);
  ExpectNear(HandLandmark(*hand, "back"), -half, 0.0f, 25.0f);
  ExpectNear(HandLandmark(*hand, "heel"), half, 0.0f, 7.5f);
  ExpectNear(HandLandmark(*hand, "edge"), 0.0f, -27.5f, 25.0f);  // 50 wide at the wrist, 60 at the knuckles

  for (const char* bad : {"", "pinky", "index.", "index.3.5", "index.-1", "index.x", "palm.1", "index.nan"}) {
    EXPECT_FALSE(HandLandmark(*hand, bad).has_value()) << bad;
    EXPECT_FALSE(IsHandLandmarkName(bad)) << bad;
  }
  for (const char* good : {"thumb", "ring.2.25", "palm", "heel", "back", "edge"}) EXPECT_TRUE(IsHandLandmarkName(good)) << good;
}

TEST(HandLandmarks, FollowTheWristAndTheJoints) {
  auto hand = StraightHand();
  hand->SetPose(0, 10.0f);
  hand->SetPose(1, 20.0f);
  hand->SetPose(2, 30.0f);
  hand->SetPose(5, 90.0f);  // the palm turned from +x to +y
  ExpectNear(HandLandmark(*hand, "palm"), 10.0f, 20.0f + hand->PalmThickness() / 2.0f, 55.0f);
  ExpectNear(HandLandmark(*hand, "index.0"), 10.0f - hand->FingerOffset(1), 20.0f, 80.0f);

  hand->SetPose(5, 0.0f);
  hand->SetArthro(1, 0, 1, 90.0f);  // the index bent at its base, towards the palm
  ExpectNear(HandLandmark(*hand, "index.1"), 10.0f + 25.0f, 20.0f + hand->FingerOffset(1), 30.0f + 50.0f);
  ExpectNear(HandLandmark(*hand, "index"), 10.0f + 65.0f, 20.0f + hand->FingerOffset(1), 80.0f);
}
