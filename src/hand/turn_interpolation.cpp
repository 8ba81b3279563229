#include "hand/turn_interpolation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Quaternion {
  double w, x, y, z;
};

constexpr double kDegree = std::numbers::pi / 180.0;

Quaternion Multiply(const Quaternion& a, const Quaternion& b) {
  return {a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z, a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
          a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x, a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w};
}

Quaternion AboutAxis(double degrees, int axis) {
  const double half = degrees * kDegree / 2.0;
  Quaternion q{std::cos(half), 0.0, 0.0, 0.0};
  (axis == 0 ? q.x : axis == 1 ? q.y : q.z) = std::sin(half);
  return q;
}

Quaternion FromTurn(const TurnAngles& turn) {
  return Multiply(Multiply(AboutAxis(turn[2], 2), AboutAxis(turn[1], 1)), AboutAxis(turn[0], 0));
}

double Dot(const Quaternion& a, const Quaternion& b) { return a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z; }

Quaternion Slerp(const Quaternion& a, Quaternion b, double t) {
  double cosine = Dot(a, b);
  // q and −q are the same turn; the shorter way round is towards the nearer one.
  if (cosine < 0.0) {
    b = {-b.w, -b.x, -b.y, -b.z};
    cosine = -cosine;
  }
  double wa = 1.0 - t;
  double wb = t;
  if (cosine < 0.9999) {
    const double angle = std::acos(std::clamp(cosine, -1.0, 1.0));
    wa = std::sin((1.0 - t) * angle) / std::sin(angle);
    wb = std::sin(t * angle) / std::sin(angle);
  }
  Quaternion q{wa * a.w + wb * b.w, wa * a.x + wb * b.x, wa * a.y + wb * b.y, wa * a.z + wb * b.z};
  const double length = std::sqrt(Dot(q, q));
  return {q.w / length, q.x / length, q.y / length, q.z / length};
}

// The value equal to `angle` modulo 360 nearest to `near`.
double Nearest(double angle, double near) { return angle + 360.0 * std::round((near - angle) / 360.0); }

double Distance(const std::array<double, 3>& a, const TurnAngles& b) {
  double sum = 0.0;
  for (int i = 0; i < 3; ++i) sum += std::abs(a[i] - static_cast<double>(b[i]));
  return sum;
}

// Angles of R = Rz(c) · Ry(b) · Rx(a), the one of the two solutions nearest `near`.
TurnAngles ToTurn(const Quaternion& q, const TurnAngles& near) {
  const double r00 = 1.0 - 2.0 * (q.y * q.y + q.z * q.z);
  const double r10 = 2.0 * (q.x * q.y + q.w * q.z);
  const double r20 = 2.0 * (q.x * q.z - q.w * q.y);
  const double r21 = 2.0 * (q.y * q.z + q.w * q.x);
  const double r22 = 1.0 - 2.0 * (q.x * q.x + q.y * q.y);
  const double b = std::asin(std::clamp(-r20, -1.0, 1.0)) / kDegree;
  const double a = std::atan2(r21, r22) / kDegree;
  const double c = std::atan2(r10, r00) / kDegree;
  const std::array<std::array<double, 3>, 2> solutions{{{a, b, c}, {a + 180.0, 180.0 - b, c + 180.0}}};
  std::array<double, 3> best{};
  double bestDistance = 1e300;
  for (const auto& solution : solutions) {
    std::array<double, 3> unwrapped{};
    for (int i = 0; i < 3; ++i) unwrapped[i] = Nearest(solution[i], near[i]);
    if (const double d = Distance(unwrapped, near); d < bestDistance) {
      bestDistance = d;
      best = unwrapped;
    }
  }
  return {static_cast<float>(best[0]), static_cast<float>(best[1]), static_cast<float>(best[2])};
}

}  // namespace

TurnAngles InterpolateTurn(const TurnAngles& from, const TurnAngles& to, double t) {
  if (t <= 0.0) return from;
  if (t >= 1.0) return to;
  TurnAngles even{};
  for (int i = 0; i < 3; ++i) even[i] = static_cast<float>(from[i] + (to[i] - from[i]) * t);
  return ToTurn(Slerp(FromTurn(from), FromTurn(to), t), even);
}

double TurnBetween(const TurnAngles& a, const TurnAngles& b) {
  const double cosine = std::min(1.0, std::abs(Dot(FromTurn(a), FromTurn(b))));
  return 2.0 * std::acos(cosine) / kDegree;
}

double EasedShare(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * t * (10.0 + t * (-15.0 + 6.0 * t));
}
