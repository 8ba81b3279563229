#include "hand/hand.h"
#include "hand/hand_skeleton.h"
#include "hand/recording_sink.h"
#include "hand/tapered_prism.h"
#include "support/straight_hand.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectNear(const Vec3& actual, const Vec3& expected, float tolerance = 1e-3f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

}  // namespace

TEST(HandDrawing, AStraightHandPointsAlongZWithFingersSideBySide) {
  const auto straight = StraightHand();
  const Hand& hand = *straight;
  const auto axes = HandPrismAxes(hand);
  ASSERT_EQ(axes.size(), 16u);
  ExpectNear(axes[0].base, {0, 0, 0});
  ExpectNear(axes[0].top, {0, 0, 50});
  ExpectNear(Fingertip(hand, 1), {0, 22.10526f, 115});
  ExpectNear(Fingertip(hand, 2), {0, 6.31579f, 125});
  ExpectNear(Fingertip(hand, 3), {0, -9.47369f, 115});
  ExpectNear(Fingertip(hand, 4), {0, -23.68421f, 105});
  // The thumb starts at the wrist on the index side.
  ExpectNear(axes[PrismIndex(0, 0)].base, {0, 22.10526f, 0});
  ExpectNear(Fingertip(hand, 0), {0, 22.10526f, 80});
  ExpectNear(axes[PrismIndex(2, 1)].base, {0, 6.31579f, 75});
}

TEST(HandDrawing, JointRotationsCurlTowardsThePalmAndWristPoseMovesTheWholeHand) {
  const auto straight = StraightHand();
  Hand& hand = *straight;
  // A base joint bent 90 degrees about y points the rest of the finger along +x.
  hand.SetArthro(1, 0, 1, 90.0f);
  ExpectNear(Fingertip(hand, 1), {65, 22.10526f, 50});
  // Sideways about x: positive swings towards -y.
  hand.SetArthro(1, 0, 1, 0.0f);
  hand.SetArthro(1, 0, 0, 90.0f);
  ExpectNear(Fingertip(hand, 1), {0, 22.10526f - 65, 50});
  // The wrist turns about z, then y, then x around its own position.
  hand.SetArthro(1, 0, 0, 0.0f);
  hand.SetPose(0, 10.0f);
  hand.SetPose(1, 20.0f);
  hand.SetPose(2, 30.0f);
  hand.SetPose(5, 90.0f);
  ExpectNear(Fingertip(hand, 2), {10 - 6.31579f, 20, 155});
}

TEST(HandDrawing, DrawLeavesTheMatrixStackAsItFoundItAndSetsTheSkinMaterial) {
  const Hand hand;
  RecordingSink sink;
  hand.draw(sink);
  EXPECT_EQ(sink.Depth(), 1);
  EXPECT_EQ(sink.Underflows(), 0);
  EXPECT_EQ(sink.Polygons().size(), 160u);  // 16 prisms of 10 polygons
  ASSERT_EQ(sink.Materials().size(), 1u);
  EXPECT_EQ(sink.Materials()[0].ambientAndDiffuse, (std::array<float, 4>{0.8f, 0.5f, 0.1f, 1.0f}));
  EXPECT_EQ(sink.Materials()[0].shininess, 100.0f);
}

TEST(TaperedPrism, SidesAreClampedTo16AndTheCallerSeesTheClampedCount) {
  RecordingSink sink;
  int16_t sides = 20;
  DrawTaperedPrism(sink, sides, 1.0f);
  EXPECT_EQ(sides, 16);
  ASSERT_EQ(sink.Polygons().size(), 18u);
  EXPECT_EQ(sink.Polygons()[0].local.size(), 16u);

  RecordingSink none;
  int16_t zero = 0;
  DrawTaperedPrism(none, zero, 1.0f);
  EXPECT_TRUE(none.Polygons().empty());
}

TEST(TaperedPrism, FacesAndNormalsFollowTheTaper) {
  RecordingSink sink;
  int16_t sides = 8;
  DrawTaperedPrism(sink, sides, 1.2f);
  const auto& polygons = sink.Polygons();
  ASSERT_EQ(polygons.size(), 10u);
  // Top at z = 1 scaled by 1.2, normal +z; base at z = 0 in reverse order, normal -z.
  EXPECT_NEAR(polygons[0].local[0].position.x, 0.6f, 1e-6);
  EXPECT_EQ(polygons[0].local[0].position.z, 1.0f);
  EXPECT_EQ(polygons[0].local[0].normal, (Vec3{0, 0, 1}));
  EXPECT_EQ(polygons[1].local[0].normal, (Vec3{0, 0, -1}));
  EXPECT_NEAR(polygons[1].local[7].position.x, 0.5f, 1e-6);  // B(0) comes last
  EXPECT_NEAR(polygons[1].local[0].position.y, 0.5f * std::sin(7 * 6.2831853f / 8), 1e-6);
  // A widening prism's side normals lean towards -z and have unit length.
  for (size_t i = 2; i < polygons.size(); ++i) {
    ASSERT_EQ(polygons[i].local.size(), 4u);
    for (const ShadedVertex& v : polygons[i].local) {
      EXPECT_LT(v.normal.z, 0.0f);
      EXPECT_NEAR(v.normal.x * v.normal.x + v.normal.y * v.normal.y + v.normal.z * v.normal.z, 1.0f,
                  1e-5);
    }
  }
  // A straight prism's side normals are horizontal.
  RecordingSink straight;
  DrawTaperedPrism(straight, sides, 1.0f);
  for (size_t i = 2; i < straight.Polygons().size(); ++i)
    for (const ShadedVertex& v : straight.Polygons()[i].local) EXPECT_EQ(v.normal.z, 0.0f);
  // Side i runs T(i), B(i), B(i+1), T(i+1), wrapping to 0 after the last.
  const auto& last = straight.Polygons()[9].local;
  EXPECT_EQ(last[3].position.z, 1.0f);
  EXPECT_NEAR(last[3].position.x, 0.5f, 1e-6);
  EXPECT_NEAR(last[2].position.x, 0.5f, 1e-6);
  EXPECT_EQ(last[2].position.z, 0.0f);
}
