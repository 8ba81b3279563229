#include "hand/matrix4.h"

#include <cmath>
#include <numbers>

Matrix4 Matrix4::Identity() {
  Matrix4 m;
  for (int i = 0; i < 4; ++i) m(i, i) = 1.0;
  return m;
}

Matrix4 Matrix4::Translation(double x, double y, double z) {
  Matrix4 m = Identity();
  m(0, 3) = x;
  m(1, 3) = y;
  m(2, 3) = z;
  return m;
}

Matrix4 Matrix4::Rotation(double degrees, double x, double y, double z) {
  Matrix4 m = Identity();
  const double length = std::sqrt(x * x + y * y + z * z);
  if (length == 0.0) return m;
  x /= length;
  y /= length;
  z /= length;
  const double radians = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  const double t = 1.0 - c;
  m(0, 0) = x * x * t + c;     m(0, 1) = x * y * t - z * s; m(0, 2) = x * z * t + y * s;
  m(1, 0) = y * x * t + z * s; m(1, 1) = y * y * t + c;     m(1, 2) = y * z * t - x * s;
  m(2, 0) = x * z * t - y * s; m(2, 1) = y * z * t + x * s; m(2, 2) = z * z * t + c;
  return m;
}

Matrix4 Matrix4::Scaling(double x, double y, double z) {
  Matrix4 m = Identity();
  m(0, 0) = x;
  m(1, 1) = y;
  m(2, 2) = z;
  return m;
}

Matrix4 Matrix4::Perspective(double fovyDegrees, double aspect, double zNear, double zFar) {
  Matrix4 m;
  const double f = 1.0 / std::tan(fovyDegrees * std::numbers::pi / 360.0);
  m(0, 0) = f / aspect;
  m(1, 1) = f;
  m(2, 2) = (zFar + zNear) / (zNear - zFar);
  m(2, 3) = 2.0 * zFar * zNear / (zNear - zFar);
  m(3, 2) = -1.0;
  return m;
}

Matrix4 Matrix4::LookAt(const std::array<double, 3>& eye, const std::array<double, 3>& centre,
                        const std::array<double, 3>& up) {
  auto normalise = [](std::array<double, 3> v) {
    const double l = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (l > 0) for (double& c : v) c /= l;
    return v;
  };
  auto cross = [](const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return std::array<double, 3>{a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                                 a[0] * b[1] - a[1] * b[0]};
  };
  const auto forward = normalise({centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]});
  const auto side = normalise(cross(forward, up));
  const auto upright = cross(side, forward);
  Matrix4 m = Identity();
  for (int c = 0; c < 3; ++c) {
    m(0, c) = side[c];
    m(1, c) = upright[c];
    m(2, c) = -forward[c];
  }
  return m * Translation(-eye[0], -eye[1], -eye[2]);
}

Matrix4 Matrix4::operator*(const Matrix4& other) const {
  Matrix4 result;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += (*this)(r, k) * other(k, c);
      result(r, c) = sum;
    }
  return result;
}

std::array<double, 4> Matrix4::Transform(const std::array<double, 4>& v) const {
  std::array<double, 4> out{};
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k) out[r] += (*this)(r, k) * v[k];
  return out;
}

Vec3 Matrix4::TransformPoint(const Vec3& p) const {
  const auto out = Transform({p.x, p.y, p.z, 1.0});
  return {static_cast<float>(out[0]), static_cast<float>(out[1]), static_cast<float>(out[2])};
}

Vec3 Matrix4::TransformNormal(const Vec3& n) const {
  const Matrix4& a = *this;
  // Cofactors of the upper 3 x 3 form the inverse transpose up to a scale factor,
  // and the scale goes away when the result is normalised.
  const double c00 = a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1);
  const double c01 = a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2);
  const double c02 = a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0);
  const double c10 = a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2);
  const double c11 = a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0);
  const double c12 = a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1);
  const double c20 = a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1);
  const double c21 = a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2);
  const double c22 = a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
  double x = c00 * n.x + c01 * n.y + c02 * n.z;
  double y = c10 * n.x + c11 * n.y + c12 * n.z;
  double z = c20 * n.x + c21 * n.y + c22 * n.z;
  const double determinant = a(0, 0) * c00 + a(0, 1) * c01 + a(0, 2) * c02;
  if (determinant < 0) { x = -x; y = -y; z = -z; }
  const double l = std::sqrt(x * x + y * y + z * z);
  if (l == 0) return {};
  return {static_cast<float>(x / l), static_cast<float>(y / l), static_cast<float>(z / l)};
}
