#include "playback/view_controls.h"

#include <gtest/gtest.h>

namespace {

constexpr double kWidth = 300;
constexpr double kHeight = 240;

// A point in the ninth at column `column` and row `row` (0..2 each).
std::pair<double, double> Ninth(int column, int row) {
  return {kWidth * (column + 0.5) / 3.0, kHeight * (row + 0.5) / 3.0};
}

struct Change {
  float azimuth;
  float elevation;
  float angle;
};

Change OnePass(HeldButton button, int column, int row) {
  ViewState view;
  const auto [x, y] = Ninth(column, row);
  MouseHoldPass(view, button, x, y, kWidth, kHeight);
  const ViewState start;
  return {view.ViewAzimuth - start.ViewAzimuth, view.ViewElevation - start.ViewElevation,
          view.ViewAngle - start.ViewAngle};
}

}  // namespace

TEST(ViewControls, EachNinthTurnsOrTiltsByFiveOrZoomsByAHalfPerPass) {
  // Left button: azimuth +5 on the left, -5 on the right; elevation -5 at the top, +5
  // at the bottom; the middle zooms in by half a degree.
  const float expected[3][3][3] = {
      // row 0 (top): columns left, middle, right
      {{5, -5, 0}, {0, -5, 0}, {-5, -5, 0}},
      // row 1
      {{5, 0, 0}, {0, 0, -0.5f}, {-5, 0, 0}},
      // row 2 (bottom)
      {{5, 5, 0}, {0, 5, 0}, {-5, 5, 0}},
  };
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const float* e = expected[row][column];
      const Change left = OnePass(HeldButton::Left, column, row);
      EXPECT_NEAR(left.azimuth, e[0], 1e-4) << column << "," << row;
      EXPECT_NEAR(left.elevation, e[1], 1e-4) << column << "," << row;
      EXPECT_NEAR(left.angle, e[2], 1e-4) << column << "," << row;
      const Change right = OnePass(HeldButton::Right, column, row);
      EXPECT_NEAR(right.azimuth, -e[0], 1e-4) << column << "," << row;
      EXPECT_NEAR(right.elevation, -e[1], 1e-4) << column << "," << row;
      EXPECT_NEAR(right.angle, -e[2], 1e-4) << column << "," << row;
      const Change other = OnePass(HeldButton::Other, column, row);
      EXPECT_EQ(other.azimuth, 0.0f);
      EXPECT_EQ(other.elevation, 0.0f);
      EXPECT_EQ(other.angle, 0.0f);
    }
  }
  // The borders belong to the middle: x exactly W/3 is not left of it.
  ViewState view;
  MouseHoldPass(view, HeldButton::Left, kWidth / 3.0, kHeight / 3.0, kWidth, kHeight);
  EXPECT_FLOAT_EQ(view.ViewAngle, 39.5f);
}

// The main window's test shows Home, the view points and the usual limits; these are
// what it does not reach.
TEST(ViewControls, ControlsChangeOnlyTheirOwnAnglesAndOnlyTheTiltAndZoomStop) {
  ViewState view;
  view.ViewElevation = 35.0f;
  view.ViewAngle = 55.0f;
  view.ViewDistance = 321.0f;
  SetViewPoint(view, 1, 1);
  EXPECT_FLOAT_EQ(view.ViewAzimuth, 180.1f);
  SetViewPoint(view, 2, 1);  // no such view point: nothing changes
  EXPECT_FLOAT_EQ(view.ViewAzimuth, 180.1f);
  EXPECT_FLOAT_EQ(view.ViewElevation, 35.0f);
  EXPECT_FLOAT_EQ(view.ViewAngle, 55.0f);
  HomeView(view, 2);
  EXPECT_FLOAT_EQ(view.ViewDistance, 321.0f);  // no control changes the distance

  for (int pass = 0; pass < 40; ++pass)
    MouseHoldPass(view, HeldButton::Right, 1, 1, kWidth, kHeight);  // top left
  EXPECT_FLOAT_EQ(view.ViewElevation, 90.0f);
  EXPECT_NEAR(view.ViewAzimuth, 0.1f - 200.0f, 1e-3);  // the azimuth never stops

  // However long a button is held in the middle, the hands neither fill the picture
  // nor shrink to nothing.
  const double middle[2] = {kWidth / 2, kHeight / 2};
  for (int pass = 0; pass < 1000; ++pass)
    MouseHoldPass(view, HeldButton::Left, middle[0], middle[1], kWidth, kHeight);
  EXPECT_FLOAT_EQ(view.ViewAngle, 20.0f);
  for (int pass = 0; pass < 1000; ++pass)
    MouseHoldPass(view, HeldButton::Right, middle[0], middle[1], kWidth, kHeight);
  EXPECT_FLOAT_EQ(view.ViewAngle, 100.0f);
}

// One hand is first seen as a watching learner sees it, two hands from straight in
// front; Home, the viewer's view point and the settings all follow the table's start,
// and a view left at its start is kept as the start-up angles the settings file leaves
// out, whichever table it was the start of.
TEST(ViewControls, EachHandCountHasItsStartAndAnUnturnedViewIsKeptAsTheStartUpAngles) {
  const ViewState two = StartView(2);
  EXPECT_EQ(two.ViewAzimuth, ViewState{}.ViewAzimuth);
  EXPECT_EQ(two.ViewElevation, ViewState{}.ViewElevation);
  const ViewState one = StartView(1);
  EXPECT_LT(one.ViewAzimuth, -10.0f);  // from the signer's right, the dominant hand's side
  EXPECT_GT(one.ViewAzimuth, -25.0f);
  EXPECT_GT(one.ViewElevation, 10.0f);
  EXPECT_EQ(one.ViewAngle, ViewState{}.ViewAngle);
  EXPECT_EQ(one.LookAtPoint, ViewState{}.LookAtPoint);

  for (const int hands : {1, 2}) {
    SCOPED_TRACE(hands);
    ViewState view;
    view.ViewElevation = -40.0f;
    view.ViewAngle = 30.0f;
    SetViewPoint(view, 0, hands);
    EXPECT_EQ(view.ViewAzimuth, StartView(hands).ViewAzimuth);
    EXPECT_FALSE(AtStartView(view, hands));
    const ViewState turned = ViewToKeep(view, hands);
    EXPECT_EQ(turned.ViewElevation, -40.0f);
    EXPECT_EQ(KeptViewRestored(turned, hands).ViewElevation, -40.0f);

    HomeView(view, hands);
    EXPECT_TRUE(AtStartView(view, hands));
    const ViewState kept = ViewToKeep(view, hands);
    EXPECT_EQ(kept.ViewAzimuth, ViewState{}.ViewAzimuth);
    EXPECT_EQ(kept.ViewElevation, ViewState{}.ViewElevation);
    EXPECT_EQ(kept.ViewAngle, ViewState{}.ViewAngle);
    EXPECT_TRUE(AtStartView(KeptViewRestored(kept, hands), hands));
  }
}

TEST(ViewPresets, EachPresetSetsItsAnglesAndKeepsTheZoom) {
  const struct {
    ViewPreset preset;
    float azimuth, elevation;
  } cases[] = {
      {ViewPreset::Front, 0.1f, 0.0f},      {ViewPreset::SignersEye, 180.1f, 25.0f},
      {ViewPreset::LeftSide, 90.1f, 10.0f}, {ViewPreset::RightSide, -89.9f, 10.0f},
      {ViewPreset::Above, 0.1f, 85.0f},
  };
  for (const auto& c : cases) {
    ViewState view;
    view.ViewAngle = 25.0f;
    ApplyViewPreset(view, c.preset);
    EXPECT_EQ(view.ViewAzimuth, c.azimuth);
    EXPECT_EQ(view.ViewElevation, c.elevation);
    EXPECT_EQ(view.ViewAngle, 25.0f);
  }
}

TEST(ViewPresets, TheWheelZoomsHalfADegreeANotchWithinTheHoldsLimits) {
  const struct {
    float start;
    double notches;
    float expected;
  } cases[] = {{40, 1, 39.5f}, {40, -2, 41}, {40, 0.5, 39.75f}, {21, 3, 20}, {99, -4, 100}, {40, 100, 20}};
  for (const auto& c : cases) {
    ViewState view;
    view.ViewAngle = c.start;
    WheelZoom(view, c.notches);
    EXPECT_EQ(view.ViewAngle, c.expected) << c.start << " " << c.notches;
  }
}
