#pragma once

#include <array>
#include <cstdint>

// Where the camera stands and what it looks at. The view controls change the angles;
// Redraw derives the eye point, clipping planes and drawing size from them.
struct ViewState {
  float ViewDistance = 500.0f;
  float ViewAzimuth = 0.1f;  // not 0, so the up vector is never parallel to the line of sight
  float ViewElevation = 20.0f;
  float ViewAngle = 40.0f;
  std::array<float, 3> LookAtPoint{0.0f, 0.0f, 40.0f};
  std::array<float, 4> LightPosition{2000.0f, 1000.0f, 5000.0f, 1.0f};
  // Left to right, as a left-handed signer makes every sign.
  bool Mirrored = false;

  // Derived by Redraw.
  std::array<float, 3> EyePoint{};
  float NearPlane = 0.0f;
  float FarPlane = 0.0f;
  int16_t ViewWidth = 0;
  int16_t ViewHeight = 0;

  // The start-up values, as "Home" and a font change restore them.
  void Reset() { *this = ViewState{}; }
};
