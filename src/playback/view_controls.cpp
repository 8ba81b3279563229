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

// A learner watching one hand: from the signer's right (the dominant hand's side,
// negative azimuths; a left-handed signer's picture is mirrored as a whole) and a
// little less from above than the two hands' start, so that the fingers are not
// seen too much from above.
constexpr float kOneHandAzimuth = -17.9f;
constexpr float kOneHandElevation = 18.0f;

float ClampedAngle(float angle) { return std::clamp(angle, kNarrowestAngle, kWidestAngle); }

void CopyAngles(ViewState& view, const ViewState& from) {
  view.ViewAzimuth = from.ViewAzimuth;
  view.ViewElevation = from.ViewElevation;
  view.ViewAngle = from.ViewAngle;
}

bool SameAngles(const ViewState& a, const ViewState& b) {
  return a.ViewAzimuth == b.ViewAzimuth && a.ViewElevation == b.ViewElevation && a.ViewAngle == b.ViewAngle;
}
}  // namespace

ViewState StartView(int handCount) {
  ViewState start;
  if (handCount == 1) {
    start.ViewAzimuth = kOneHandAzimuth;
    start.ViewElevation = kOneHandElevation;
  }
  return start;
}

void HomeView(ViewState& view, int handCount) { CopyAngles(view, StartView(handCount)); }

bool AtStartView(const ViewState& view, int handCount) { return SameAngles(view, StartView(handCount)); }

ViewState ViewToKeep(const ViewState& view, int handCount) {
  ViewState kept = view;
  if (AtStartView(view, handCount)) CopyAngles(kept, ViewState{});
  return kept;
}

ViewState KeptViewRestored(const ViewState& kept, int handCount) {
  ViewState view = kept;
  if (SameAngles(kept, ViewState{})) CopyAngles(view, StartView(handCount));
  return view;
}

void SetViewPoint(ViewState& view, int option, int handCount) {
  if (option == 0) view.ViewAzimuth = StartView(handCount).ViewAzimuth;
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
