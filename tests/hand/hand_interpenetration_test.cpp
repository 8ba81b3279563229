#include "hand/hand_interpenetration.h"

#include "hand/hand.h"
#include "support/straight_hand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Fingers straight up side by side, the thumb swung well out to the index side.
std::unique_ptr<Hand> OpenHand() {
  auto hand = StraightHand();
  hand->SetArthro(0, 0, 0, -50.0f);
  return hand;
}

bool Reports(const std::vector<Interpenetration>& found, HandPart a, HandPart b) {
  for (const Interpenetration& i : found)
    if ((i.first == a && i.second == b) || (i.first == b && i.second == a)) return true;
  return false;
}

}  // namespace

TEST(HandInterpenetration, FingersSideBySideOnlyTouch) {
  const auto hand = OpenHand();
  EXPECT_TRUE(FindInterpenetrations(MakeHandVolumes(*hand)).empty());
  // With every angle 0 the thumb lies along the index finger's line: its middle
  // segment runs into the index finger's base.
  hand->SetArthro(0, 0, 0, 0.0f);
  EXPECT_TRUE(Reports(FindInterpenetrations(MakeHandVolumes(*hand)), {0, 1}, {1, 0}));
}

TEST(HandInterpenetration, AFingerSwungIntoItsNeighbourOrCurledIntoThePalmIsReported) {
  auto hand = OpenHand();
  hand->SetArthro(1, 0, 0, 25.0f);  // the index towards the little finger
  const auto found = FindInterpenetrations(MakeHandVolumes(*hand));
  ASSERT_FALSE(found.empty());
  EXPECT_TRUE(Reports(found, {1, 1}, {2, 1}));
  for (size_t i = 1; i < found.size(); ++i) EXPECT_GE(found[i - 1].depth, found[i].depth);

  // Curled so far that the fingertip sinks into the palm.
  hand = OpenHand();
  for (int s = 0; s < 3; ++s) hand->SetArthro(2, s, 1, 90.0f);
  const auto curled = FindInterpenetrations(MakeHandVolumes(*hand));
  EXPECT_TRUE(Reports(curled, {}, {2, 2}));
  EXPECT_EQ(PartName({2, 2}), "middle finger tip segment");
  EXPECT_EQ(PartName({}), "palm");
  EXPECT_EQ(PartName({0, 0}), "thumb base segment");

  // A finger bent flat over the knuckles is joined to the palm there: not reported.
  hand = OpenHand();
  hand->SetArthro(3, 0, 1, 90.0f);
  EXPECT_TRUE(FindInterpenetrations(MakeHandVolumes(*hand)).empty());
}

TEST(HandInterpenetration, AFlatFingertipRestingOnThePalmIsNotReported) {
  // The middle finger curled until the flat end of its tip is just off the palm:
  // the tip segment runs from (28.9, 29.7) to (8.5, 15.3) in x and z, the palm's
  // face is at x = 7.9.
  auto hand = OpenHand();
  hand->SetArthro(2, 0, 1, 80.0f);
  hand->SetArthro(2, 1, 1, 90.0f);
  hand->SetArthro(2, 2, 1, 64.7f);
  const auto volumes = MakeHandVolumes(*hand);
  const auto& tip = volumes.capsules[3 * 2 + 2];
  EXPECT_EQ(tip.part, (HandPart{2, 2}));
  // The capsule's rounded end stays inside the drawn, flat fingertip.
  const float dx = tip.end.x - tip.start.x;
  const float dz = tip.end.z - tip.start.z;
  EXPECT_NEAR(std::sqrt(dx * dx + dz * dz), 25.0f - tip.radius, 1e-3);
  EXPECT_NEAR(tip.end.x, 8.5f + tip.radius * 0.816f, 0.1);
  EXPECT_TRUE(FindInterpenetrations(volumes).empty());
}

TEST(HandInterpenetration, TwoHandsAreComparedPartByPart) {
  const auto right = OpenHand();
  auto left = OpenHand();
  left->SetPose(1, -200.0f);
  EXPECT_TRUE(FindInterpenetrations(MakeHandVolumes(*right), MakeHandVolumes(*left)).empty());
  // The same place: palms and fingers inside each other.
  left->SetPose(1, 0.0f);
  const auto found = FindInterpenetrations(MakeHandVolumes(*right), MakeHandVolumes(*left));
  EXPECT_TRUE(Reports(found, {}, {}));
  EXPECT_TRUE(Reports(found, {1, 2}, {1, 2}));
  // The left index tip pushed into the right palm from the front.
  left->SetPose(0, 30.0f);
  left->SetPose(1, 22.10526f - 6.0f);
  left->SetPose(2, 0.0f);
  left->SetPose(4, -90.0f);  // fingers pointing back at the other palm
  const auto poked = FindInterpenetrations(MakeHandVolumes(*right), MakeHandVolumes(*left));
  EXPECT_FALSE(poked.empty());
}
