#include "playback/view_controls.h"

#include <algorithm>

namespace {
constexpr float kPassDegrees = 5.0f;
// A held button passes sixty times a second, so zooming by a whole turning step ran
// through the hands in a third of a second.
constexpr float kZoomDegrees = kPassDegrees / 10.0f;
// Narrower than this the look-at point shows only the inside of a hand; wider, the
// hands of a two-handed letter shrink to a speck.
constexpr float kNarrowestAngle = 20.0f;
constexpr float kWidestAngle = 100.0f;

float ClampedAngle(float angle) { return std::clamp(angle, kNarrowestAngle, kWidestAngle); }
}  // namespace

void HomeView(ViewState& view) {
  const ViewState start;
  view.ViewAzimuth = start.ViewAzimuth;
  view.ViewElevation = start.ViewElevation;
  view.ViewAngle = start.ViewAngle;
}

void SetViewPoint(ViewState& view, int option) {
  if (option == 0) view.ViewAzimuth = 0.1f;
  if (option == 1) view.ViewAzimuth = 180.1f;
}

void ApplyViewPreset(ViewState& view, ViewPreset preset) {
  // Azimuths end in .1 so the line of sight is never parallel to the up vector.
  struct Angles {
    float azimuth;
    float elevation;
  };
  Angles angles{0.1f, 20.0f};
  switch (preset) {
    case ViewPreset::Front: angles = {0.1f, 0.0f}; break;
    case ViewPreset::SignersEye: angles = {180.1f, 25.0f}; break;
    case ViewPreset::LeftSide: angles = {90.1f, 10.0f}; break;
    case ViewPreset::RightSide: angles = {-89.9f, 10.0f}; break;
    case ViewPreset::Above: angles = {0.1f, 85.0f}; break;
  }
  view.ViewAzimuth = angles.azimuth;
  view.ViewElevation = angles.elevation;
}

void WheelZoom(ViewState& view, double notches) {
  view.ViewAngle = ClampedAngle(view.ViewAngle - static_cast<float>(notches) * kZoomDegrees);
}

void MouseHoldPass(ViewState& view, HeldButton button, double x, double y, double width,
                   double height) {
  if (button == HeldButton::Other) return;
  const float sign = button == HeldButton::Left ? 1.0f : -1.0f;
  const float step = sign * kPassDegrees;

  const bool left = x < width / 3.0;
  const bool right = x > 2.0 * width / 3.0;
  const bool top = y < height / 3.0;
  const bool bottom = y > 2.0 * height / 3.0;
  if (left) view.ViewAzimuth += step;
  if (right) view.ViewAzimuth -= step;
  if (top) view.ViewElevation -= step;
  if (bottom) view.ViewElevation += step;
  if (!left && !right && !top && !bottom) view.ViewAngle = ClampedAngle(view.ViewAngle - sign * kZoomDegrees);

  view.ViewElevation = std::clamp(view.ViewElevation, -90.0f, 90.0f);
}
