#include "playback/natural_framing.h"

#include "signdata/sign_table.h"
#include "hand/hand_skeleton.h"
#include "hand/matrix4.h"
#include "playback/camera.h"
#include "playback/playback_engine.h"
#include "playback/view_controls.h"
#include "support/shipped_shapes.h"
#include "support/fake_drawing_area.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// The share of the picture's height and width the hands' skeleton covers at 640x480.
struct Extent {
  double height = 0.0;
  double width = 0.0;
  bool inside = true;
};

Extent ExtentOf(const std::vector<Hand>& hands, ViewState view) {
  UpdateCamera(view, 640, 480);
  const CameraSetup camera = ComputeCameraSetup(view);
  const Matrix4 transform =
      Matrix4::Perspective(camera.fieldOfView, camera.aspect, camera.nearPlane, camera.farPlane) *
      Matrix4::LookAt(camera.eye, camera.centre, camera.up);
  double top = -2, bottom = 2, left = 2, right = -2;
  for (const Hand& hand : hands) {
    for (const PrismAxis& axis : HandPrismAxes(hand)) {
      for (const Vec3& p : {axis.base, axis.top}) {
        const auto clip = transform.Transform({p.x, p.y, p.z, 1.0});
        top = std::max(top, clip[1] / clip[3]);
        bottom = std::min(bottom, clip[1] / clip[3]);
        right = std::max(right, clip[0] / clip[3]);
        left = std::min(left, clip[0] / clip[3]);
      }
    }
  }
  return {(top - bottom) / 2.0, (right - left) / 2.0, top < 1 && bottom > -1 && right < 1 && left > -1};
}

// The hands posed in a key frame of a sign.
std::vector<Hand> PosedHands(const SignTable& table, int sign, int frame = 0) {
  FakeDrawingArea area;
  PlaybackEngine engine(table, area);
  EXPECT_TRUE(engine.SetHandPose(sign, frame));
  const auto shown = engine.Hands().first(static_cast<size_t>(engine.ShownHands()));
  return {shown.begin(), shown.end()};
}

}  // namespace

TEST(NaturalFraming, AOneHandedLetterFillsAboutHalfThePicture) {
  const ViewState view;
  const std::vector<Hand> american = PosedHands(*LoadShippedTable("PositionASL.csv", 1), 2);  // B: flat, fingers up
  const Extent classic = ExtentOf(american, view);
  const Extent natural = ExtentOf(american, NaturalFraming(view, 1));
  EXPECT_TRUE(natural.inside);
  EXPECT_GT(natural.height, 0.4);
  EXPECT_GT(natural.height, classic.height * 1.5);
}

TEST(NaturalFraming, HomeComesBackToTheNaturalFramingAndTheClassicCameraIsUntouched) {
  ViewState view;
  const ViewState start = view;
  MouseHoldPass(view, HeldButton::Left, 50, 50, 100, 100);  // zoom in
  const ViewState zoomed = NaturalFraming(view, 1);
  HomeView(view, 2);
  const ViewState home = NaturalFraming(view, 1);
  EXPECT_LT(zoomed.ViewAngle, home.ViewAngle);
  EXPECT_EQ(home.ViewAngle, NaturalFraming(start, 1).ViewAngle);
  EXPECT_EQ(home.LookAtPoint, NaturalFraming(start, 1).LookAtPoint);
  EXPECT_EQ(view.ViewAngle, start.ViewAngle);  // the view itself keeps the classic camera
  EXPECT_EQ(view.LookAtPoint, start.LookAtPoint);
}
