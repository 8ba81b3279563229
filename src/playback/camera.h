#pragma once

#include "playback/view_state.h"

#include <array>

// The camera maths shared by the window, the offscreen renderer and the tests.
// Angles are degrees, turned into radians with pi taken as 3.14159265.

// What Redraw derives from the view angles: clipping planes, eye point and size.
void UpdateCamera(ViewState& view, int width, int height);

// Everything the projection and look-at transform need, in the order they are set.
struct CameraSetup {
  int viewportWidth = 0;
  int viewportHeight = 0;
  double fieldOfView = 0.0;
  double aspect = 1.0;
  double nearPlane = 0.0;
  double farPlane = 0.0;
  std::array<double, 3> eye{};
  std::array<double, 3> centre{};
  std::array<double, 3> up{};
  // The picture flipped left to right.
  bool mirrored = false;
};

// Up is world z made perpendicular to the line of sight, so the fingertips of an
// unrotated hand point up on screen. When the eye is at the height of the look-at
// point it is raised by 0.5 after the up vector is found.
CameraSetup ComputeCameraSetup(const ViewState& view);
