#include "playback/camera.h"

#include "base/number_format.h"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265;
double Radians(float degrees) { return static_cast<double>(degrees) * kPi / 180.0; }

int16_t PixelCount(int value) {
  const auto rounded = RoundToInt16(value);
  return rounded ? *rounded : static_cast<int16_t>(value < 0 ? -32768 : 32767);
}
}  // namespace

void UpdateCamera(ViewState& view, int width, int height) {
  view.NearPlane = view.ViewDistance * 0.2f;
  view.FarPlane = view.ViewDistance + 1000.0f;
  const double azimuth = Radians(view.ViewAzimuth);
  const double elevation = Radians(view.ViewElevation);
  const double distance = view.ViewDistance;
  view.EyePoint[0] = static_cast<float>(distance * std::cos(azimuth) * std::cos(elevation) +
                                        view.LookAtPoint[0]);
  view.EyePoint[1] = static_cast<float>(distance * std::sin(azimuth) * std::cos(elevation) +
                                        view.LookAtPoint[1]);
  view.EyePoint[2] = static_cast<float>(distance * std::sin(elevation) + view.LookAtPoint[2]);
  view.ViewWidth = PixelCount(width);
  view.ViewHeight = PixelCount(height);
}

CameraSetup ComputeCameraSetup(const ViewState& view) {
  CameraSetup setup;
  setup.viewportWidth = view.ViewWidth;
  setup.viewportHeight = view.ViewHeight;
  setup.fieldOfView = view.ViewAngle;
  setup.aspect = view.ViewHeight != 0
                     ? static_cast<double>(view.ViewWidth) / static_cast<double>(view.ViewHeight)
                     : 1.0;
  setup.nearPlane = view.NearPlane;
  setup.farPlane = view.FarPlane;
  setup.mirrored = view.Mirrored;
  for (int i = 0; i < 3; ++i) {
    setup.eye[i] = view.EyePoint[i];
    setup.centre[i] = view.LookAtPoint[i];
  }

  const double dx = setup.centre[0] - setup.eye[0];
  const double dy = setup.centre[1] - setup.eye[1];
  const double dz = setup.centre[2] - setup.eye[2];
  std::array<double, 3> up{-dz * dx, -dy * dz, dx * dx + dy * dy};
  const double length = std::sqrt(up[0] * up[0] + up[1] * up[1] + up[2] * up[2]);
  if (length > 0.0) {
    for (double& c : up) c /= length;
  } else {
    // Looking straight down or up: any horizontal direction will do; keep +x.
    up = {1.0, 0.0, 0.0};
  }
  setup.up = up;

  if (view.EyePoint[2] == view.LookAtPoint[2]) setup.eye[2] = view.LookAtPoint[2] + 0.5;
  return setup;
}
