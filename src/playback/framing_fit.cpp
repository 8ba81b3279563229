#include "playback/framing_fit.h"

#include "hand/matrix4.h"
#include "playback/camera.h"
#include "playback/natural_framing.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265;
// The box fills this share of the picture's height or width, whichever it reaches first.
constexpr double kFill = 0.95;
constexpr float kHomeViewAngle = 40.0f;
// The widest field of view a perspective projection still draws sensibly.
constexpr double kWidestAngle = 170.0;
constexpr double kNarrowestAngle = 1.0;
// Rounds of re-centring: under perspective the box's middle does not project to the
// picture's middle, and each round moves the look-at point by what is left over.
constexpr int kCentringRounds = 3;

struct Spread {
  double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
};

// How far each corner lies from the line of sight, across and up, divided by its depth
// in front of the eye: the tangent of the angle at which the eye sees it.
Spread SpreadSeen(const ViewState& view, const Box& bounds) {
  ViewState placed = view;
  UpdateCamera(placed, 1, 1);
  const CameraSetup camera = ComputeCameraSetup(placed);
  const Matrix4 lookAt = Matrix4::LookAt(camera.eye, camera.centre, camera.up);
  Spread spread;
  for (int i = 0; i < 8; ++i) {
    const Vec3 p = lookAt.TransformPoint(bounds.Corner(i));
    const double depth = std::max(1e-3, -static_cast<double>(p.z));
    spread.left = std::min(spread.left, p.x / depth);
    spread.right = std::max(spread.right, p.x / depth);
    spread.bottom = std::min(spread.bottom, p.y / depth);
    spread.top = std::max(spread.top, p.y / depth);
  }
  return spread;
}

}  // namespace

ViewState FitFraming(const ViewState& view, const Box& bounds, float aspect) {
  if (bounds.IsEmpty()) return view;
  ViewState framed = view;
  framed.ViewAngle = kHomeViewAngle;
  const Vec3 centre = bounds.Centre();
  framed.LookAtPoint = {centre.x, centre.y, centre.z};
  // The eye stays out of the box, far enough that all of it lies past the near plane.
  const Vec3 corner = bounds.max;
  const double radius = std::hypot(corner.x - centre.x, corner.y - centre.y, corner.z - centre.z);
  framed.ViewDistance = std::max(view.ViewDistance, static_cast<float>(2.0 * radius));

  for (int round = 0; round < kCentringRounds; ++round) {
    const Spread spread = SpreadSeen(framed, bounds);
    const double across = (spread.left + spread.right) / 2.0 * framed.ViewDistance;
    const double up = (spread.bottom + spread.top) / 2.0 * framed.ViewDistance;
    ViewState placed = framed;
    UpdateCamera(placed, 1, 1);
    const CameraSetup camera = ComputeCameraSetup(placed);
    // The picture's right and up directions in the scene.
    const Matrix4 lookAt = Matrix4::LookAt(camera.eye, camera.centre, camera.up);
    const std::array<double, 3> right{lookAt(0, 0), lookAt(0, 1), lookAt(0, 2)};
    const std::array<double, 3> upward{lookAt(1, 0), lookAt(1, 1), lookAt(1, 2)};
    for (int i = 0; i < 3; ++i)
      framed.LookAtPoint[i] += static_cast<float>(across * right[i] + up * upward[i]);
  }

  const Spread spread = SpreadSeen(framed, bounds);
  const double halfHeight = std::max(spread.top, -spread.bottom);
  const double halfWidth = std::max(spread.right, -spread.left);
  const double safeAspect = aspect > 0.0f && std::isfinite(aspect) ? aspect : 1.0;
  const double needed = std::max(halfHeight, halfWidth / safeAspect) / kFill;
  const double fitted = 2.0 * std::atan(needed) * 180.0 / kPi;
  framed.ViewAngle = static_cast<float>(
      std::clamp(fitted * view.ViewAngle / kHomeViewAngle, kNarrowestAngle, kWidestAngle));
  return framed;
}

bool BoxInView(const ViewState& view, const Box& bounds, int width, int height) {
  if (bounds.IsEmpty()) return true;
  ViewState placed = view;
  UpdateCamera(placed, width, height);
  const CameraSetup camera = ComputeCameraSetup(placed);
  const Matrix4 transform =
      Matrix4::Perspective(camera.fieldOfView, camera.aspect, camera.nearPlane, camera.farPlane) *
      Matrix4::LookAt(camera.eye, camera.centre, camera.up);
  for (int i = 0; i < 8; ++i) {
    const Vec3 p = bounds.Corner(i);
    const auto clip = transform.Transform({p.x, p.y, p.z, 1.0});
    if (clip[3] <= 0.0) return false;
    if (std::abs(clip[0]) > clip[3] || std::abs(clip[1]) > clip[3] || std::abs(clip[2]) > clip[3]) return false;
  }
  return true;
}

ViewState FramedView(const ViewState& view, const std::optional<Box>& framing,
                     HandAppearance appearance, int handCount, int width, int height) {
  ViewState framed = view;
  if (framing) {
    framed = FitFraming(view, *framing, height > 0 ? static_cast<float>(width) / height : 1.0f);
  } else if (appearance == HandAppearance::Natural) {
    framed = NaturalFraming(view, handCount);
  }
  UpdateCamera(framed, width, height);
  return framed;
}
