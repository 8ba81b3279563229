#include "hand/hand.h"
#include "hand/hand_skeleton.h"
#include "hand/recording_sink.h"
#include "hand/tapered_prism.h"
#include "support/straight_hand.h"

#include <gtest/gtest.h>

#include <cmath>

// Where the prisms stand, posed or not, is what the landmarks along them show.
TEST(HandDrawing, SixteenPrismsAreDrawnInTheSkinMaterialLeavingTheMatrixStackAsItWas) {
  const Hand hand;
  const auto axes = HandPrismAxes(*StraightHand());
  ASSERT_EQ(axes.size(), 16u);
  // The palm, from the wrist to the knuckles.
  EXPECT_LT(std::hypot(axes[0].base.x, axes[0].base.y, axes[0].base.z), 1e-3f);
  EXPECT_LT(std::hypot(axes[0].top.x, axes[0].top.y, axes[0].top.z - 50.0f), 1e-3f);
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
