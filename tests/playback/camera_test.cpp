#include "playback/camera.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Camera, StartUpViewLooksAtTheHandFrom500Away) {
  ViewState view;
  UpdateCamera(view, 640, 480);
  EXPECT_FLOAT_EQ(view.NearPlane, 100.0f);
  EXPECT_FLOAT_EQ(view.FarPlane, 1500.0f);
  const double pi = 3.14159265;
  const double az = 0.1 * pi / 180, el = 20 * pi / 180;
  EXPECT_FLOAT_EQ(view.EyePoint[0], static_cast<float>(500 * std::cos(az) * std::cos(el)));
  EXPECT_FLOAT_EQ(view.EyePoint[1], static_cast<float>(500 * std::sin(az) * std::cos(el)));
  EXPECT_FLOAT_EQ(view.EyePoint[2], static_cast<float>(500 * std::sin(el) + 40));
  EXPECT_EQ(view.ViewWidth, 640);
  EXPECT_EQ(view.ViewHeight, 480);

  const CameraSetup setup = ComputeCameraSetup(view);
  EXPECT_DOUBLE_EQ(setup.aspect, 640.0 / 480.0);
  EXPECT_DOUBLE_EQ(setup.fieldOfView, 40.0);
  // Up is perpendicular to the line of sight and leans towards +z.
  const double dx = setup.centre[0] - setup.eye[0], dy = setup.centre[1] - setup.eye[1],
               dz = setup.centre[2] - setup.eye[2];
  EXPECT_NEAR(setup.up[0] * dx + setup.up[1] * dy + setup.up[2] * dz, 0.0, 1e-9);
  EXPECT_GT(setup.up[2], 0.9);
  EXPECT_NEAR(std::hypot(setup.up[0], setup.up[1], setup.up[2]), 1.0, 1e-12);

  // An area of no height does not divide by zero.
  UpdateCamera(view, 100, 0);
  EXPECT_TRUE(std::isfinite(ComputeCameraSetup(view).aspect));
}

TEST(Camera, AnEyeAtTheHeightOfTheLookAtPointIsRaisedByHalfAUnit) {
  ViewState view;
  view.ViewElevation = 0.0f;
  UpdateCamera(view, 100, 100);
  ASSERT_EQ(view.EyePoint[2], view.LookAtPoint[2]);
  const CameraSetup setup = ComputeCameraSetup(view);
  EXPECT_DOUBLE_EQ(setup.eye[2], 40.5);
  EXPECT_DOUBLE_EQ(setup.up[2], 1.0);  // found before the eye was raised
}

TEST(Camera, SignerViewStandsBehindTheHandAndResetRestoresStartUp) {
  ViewState view;
  view.ViewAzimuth = 180.1f;
  view.ViewAngle = 5.0f;
  UpdateCamera(view, 10, 10);
  EXPECT_LT(view.EyePoint[0], -400.0f);
  view.Reset();
  EXPECT_EQ(view.ViewAzimuth, 0.1f);
  EXPECT_EQ(view.ViewElevation, 20.0f);
  EXPECT_EQ(view.ViewAngle, 40.0f);
  EXPECT_EQ(view.ViewDistance, 500.0f);
}
