#include "hand/natural_hand_mesh.h"

#include "hand/hand.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

struct Point3 {
  double x = 0.0, y = 0.0, z = 0.0;
  Point3 operator+(const Point3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Point3 operator-(const Point3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Point3 operator*(double k) const { return {x * k, y * k, z * k}; }
  double Dot(const Point3& o) const { return x * o.x + y * o.y + z * o.z; }
  Point3 Cross(const Point3& o) const {
    return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
  }
  Point3 Normalised() const {
    const double length = std::sqrt(Dot(*this));
    return length > 0.0 ? *this * (1.0 / length) : Point3{0.0, 0.0, 1.0};
  }
};

Vec3 ToVec(const Point3& p) {
  return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)};
}

double Smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

double Bump(double a, double centre, double spread) {
  const double d = (a - centre) / spread;
  return std::exp(-d * d);
}

struct SurfacePoint {
  Point3 position;
  std::array<float, 4> tone{1.0f, 1.0f, 1.0f, 1.0f};
};

// A surface over u (around, 0..1) and v (along, 0..1) as a grid of columns x rows
// quads. Normals come from the surface's own derivatives and are turned to face away
// from `inside` (a point on the part's axis for that position), so every part is lit
// and outlined from its outside whatever way its parameters run.
struct Surface {
  int columns = 16;
  int rows = 16;
  bool closedAround = true;
  std::function<SurfacePoint(double u, double v)> at;
  std::function<Point3(const Point3& p)> inside;
};

MeshPart BuildPart(int bone, const Surface& surface, bool outlined) {
  MeshPart part;
  part.bone = bone;
  part.outlined = outlined;
  const int ringSize = surface.closedAround ? surface.columns : surface.columns + 1;
  const double du = 1e-4;
  const double dv = 1e-4;
  for (int j = 0; j <= surface.rows; ++j) {
    const double v = static_cast<double>(j) / surface.rows;
    // Where a cap closes to a point the derivative around vanishes; a hair inside it
    // gives the direction the surface has there.
    const double vd = std::clamp(v, 2e-3, 1.0 - 2e-3);
    for (int i = 0; i < ringSize; ++i) {
      const double u = static_cast<double>(i) / surface.columns;
      const SurfacePoint p = surface.at(u, v);
      const Point3 alongU = surface.at(u + du, vd).position - surface.at(u - du, vd).position;
      const Point3 alongV = surface.at(u, std::min(vd + dv, 1.0)).position -
                            surface.at(u, std::max(vd - dv, 0.0)).position;
      Point3 normal = alongU.Cross(alongV).Normalised();
      if (normal.Dot(p.position - surface.inside(p.position)) < 0.0) normal = normal * -1.0;
      part.vertices.push_back({ToVec(p.position), ToVec(normal), p.tone});
    }
  }
  auto index = [&](int i, int j) {
    return static_cast<uint32_t>(j * ringSize + (surface.closedAround ? i % surface.columns : i));
  };
  auto addTriangle = [&](uint32_t a, uint32_t b, uint32_t c) {
    const auto& va = part.vertices[a];
    const auto& vb = part.vertices[b];
    const auto& vc = part.vertices[c];
    const Point3 pa{va.position.x, va.position.y, va.position.z};
    const Point3 pb{vb.position.x, vb.position.y, vb.position.z};
    const Point3 pc{vc.position.x, vc.position.y, vc.position.z};
    const Point3 facing = (pb - pa).Cross(pc - pa);
    if (facing.Dot(facing) < 1e-12) return;  // collapsed at a cap's pole
    const Point3 normal{va.normal.x + vb.normal.x + vc.normal.x, va.normal.y + vb.normal.y + vc.normal.y,
                        va.normal.z + vb.normal.z + vc.normal.z};
    if (facing.Dot(normal) >= 0.0)
      part.triangles.insert(part.triangles.end(), {a, b, c});
    else
      part.triangles.insert(part.triangles.end(), {a, c, b});
  };
  for (int j = 0; j < surface.rows; ++j) {
    for (int i = 0; i < surface.columns; ++i) {
      addTriangle(index(i, j), index(i + 1, j), index(i + 1, j + 1));
      addTriangle(index(i, j), index(i + 1, j + 1), index(i, j + 1));
    }
  }
  return part;
}

// A finger segment: an elliptical tube from its joint to the next, closed at both
// ends by half ellipsoids. Neighbouring segments share the radius at their joint, so
// their ends overlap into one rounded knuckle however far the joint bends.
struct SegmentShape {
  double length = 20.0;
  double baseRadius = 7.0;
  double topRadius = 6.5;
  double thickness = 0.88;  // across the finger (x) relative to its width (y)
  double baseCapDepth = 1.0;
  double topCapDepth = 1.0;  // the fingertip is blunter than a full half sphere
  double padHeight = 0.8;    // the fleshy palm side between two creases
  double padCentre = 0.5;    // where along the segment the pad is fullest
  // The base end lies inside the palm or the previous segment's rounded end, where
  // nobody sees it; leaving it open saves the software renderer a quarter of the work.
  bool openBase = true;
};

constexpr double kBaseCapEnd = 0.25;
constexpr double kTopCapStart = 0.75;

struct SegmentPoint {
  Point3 position;
  double along = 0.0;  // 0 at the joint, 1 at the next, beyond in the caps
};

SegmentPoint SegmentAt(const SegmentShape& shape, double u, double v) {
  const double theta = 2.0 * kPi * u;
  const double c = std::cos(theta);  // +1 on the palm side
  const double s = std::sin(theta);  // +1 on the index side
  double z = 0.0;
  double ring = 1.0;
  double radius = shape.baseRadius;
  double t = 0.0;
  if (v < kBaseCapEnd) {
    const double phi = -kPi / 2.0 + (v / kBaseCapEnd) * kPi / 2.0;
    z = shape.baseCapDepth * shape.baseRadius * std::sin(phi);
    ring = std::cos(phi);
  } else if (v > kTopCapStart) {
    const double phi = (v - kTopCapStart) / (1.0 - kTopCapStart) * kPi / 2.0;
    z = shape.length + shape.topCapDepth * shape.topRadius * std::sin(phi);
    ring = std::cos(phi);
    radius = shape.topRadius;
    t = 1.0;
  } else {
    t = (v - kBaseCapEnd) / (kTopCapStart - kBaseCapEnd);
    z = t * shape.length;
    radius = shape.baseRadius + (shape.topRadius - shape.baseRadius) * t;
  }
  // The pad swells between the creases at the joints, fullest at padCentre.
  const double exponent = std::log(0.5) / std::log(shape.padCentre);
  const double pad = shape.padHeight * std::pow(std::sin(kPi * std::pow(t, exponent)), 1.5) *
                     std::pow(std::max(c, 0.0), 2.0);
  const double across = radius * shape.thickness + pad;
  return {{across * c * ring, radius * s * ring, z}, t};
}

Surface SegmentSurface(const SegmentShape& shape, std::array<float, 4> tone) {
  Surface surface;
  surface.columns = 10;
  const double start = shape.openBase ? kBaseCapEnd : 0.0;
  surface.rows = shape.openBase ? 6 : 8;
  surface.at = [shape, tone, start](double u, double along) {
    const double v = start + (1.0 - start) * along;
    // The palm side of a finger is paler and pinker than its back, as the palm is.
    const auto pale = static_cast<float>(0.07 * Smoothstep(0.1, 0.8, std::cos(2.0 * kPi * u)));
    return SurfacePoint{SegmentAt(shape, u, v).position,
                        {tone[0] + pale, tone[1] + pale * 0.75f, tone[2] + pale * 0.8f, tone[3]}};
  };
  surface.inside = [shape](const Point3& p) {
    return Point3{0.0, 0.0, std::clamp(p.z, 0.0, shape.length)};
  };
  return surface;
}

// The nail: a shell just above the back of the tip segment, from a little before its
// middle over the start of the rounded end, with a rounded base and a darker rim.
Surface NailSurface(const SegmentShape& shape) {
  Surface surface;
  surface.columns = 4;
  surface.rows = 4;
  surface.closedAround = false;
  const double start = kBaseCapEnd + (kTopCapStart - kBaseCapEnd) * 0.42;
  const double end = kTopCapStart + (1.0 - kTopCapStart) * 0.55;
  surface.at = [shape, start, end](double u, double v) {
    // Narrower at its base, where the nail disappears under the skin.
    const double halfWidth = 0.16 * (0.6 + 0.4 * Smoothstep(0.0, 0.35, v));
    const double around = 0.5 + (u - 0.5) * 2.0 * halfWidth;
    const double along = start + (end - start) * v;
    const auto onSkin = [&](double a, double b) { return SegmentAt(shape, a, b).position; };
    const Point3 p = onSkin(around, along);
    const Point3 normal =
        (onSkin(around + 1e-4, along) - onSkin(around - 1e-4, along))
            .Cross(onSkin(around, along + 1e-4) - onSkin(around, along - 1e-4))
            .Normalised();
    const Point3 outward = normal.Dot(p - Point3{0.0, 0.0, std::clamp(p.z, 0.0, shape.length)}) < 0.0
                               ? normal * -1.0
                               : normal;
    const double edge = std::min({u, 1.0 - u, v * 1.6, (1.0 - v) * 3.0});
    const float rim = static_cast<float>(Smoothstep(0.0, 0.22, edge));
    const float free = static_cast<float>(Smoothstep(0.72, 1.0, v));  // the pale free edge
    SurfacePoint point;
    point.position = p + outward * 0.35;
    point.tone = {0.92f + 0.16f * rim + 0.06f * free, 0.86f + 0.16f * rim + 0.12f * free,
                  0.88f + 0.18f * rim + 0.14f * free, 1.0f};
    return point;
  };
  surface.inside = [shape](const Point3& p) {
    return Point3{0.0, 0.0, std::clamp(p.z, 0.0, shape.length)};
  };
  return surface;
}

// The palm: a rounded slab from the wrist to the knuckles, wider at the knuckles,
// with the ball of the thumb and the pad on the little finger's side swelling from
// its inner side, and rounded ends: the heel at the wrist, the knuckles at the top.
Surface PalmSurface(const Hand& hand) {
  const double length = hand.PalmLength();
  const double wristHalfWidth = hand.PalmWidth() / 2.0 - 1.0;
  const double knuckleHalfWidth = hand.PalmWidth() * hand.PalmTaper() / 2.0 - 1.0;
  const double halfThickness = hand.PalmThickness() / 2.0 + 0.4;
  Surface surface;
  surface.columns = 16;
  surface.rows = 12;
  surface.at = [=](double u, double v) {
    const double theta = 2.0 * kPi * u;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    constexpr double kHeelEnd = 0.2;
    constexpr double kKnuckleStart = 0.82;
    constexpr double kHeelDepth = 5.0;
    constexpr double kKnuckleDepth = 6.0;
    double z = 0.0;
    double ring = 1.0;
    if (v < kHeelEnd) {
      const double phi = -kPi / 2.0 + (v / kHeelEnd) * kPi / 2.0;
      z = kHeelDepth * std::sin(phi);
      ring = std::cos(phi);
    } else if (v > kKnuckleStart) {
      const double phi = (v - kKnuckleStart) / (1.0 - kKnuckleStart) * kPi / 2.0;
      z = length + kKnuckleDepth * std::sin(phi);
      ring = std::cos(phi);
    } else {
      z = (v - kHeelEnd) / (kKnuckleStart - kHeelEnd) * length;
    }
    const double widening = std::clamp(z / length, 0.0, 1.0);
    const double halfWidth = wristHalfWidth + (knuckleHalfWidth - wristHalfWidth) * widening;
    // A rounded rectangle across: squarer than an ellipse, as a palm is.
    constexpr double kRoundness = 0.72;
    const double x = halfThickness * std::copysign(std::pow(std::abs(c), kRoundness), c) * ring;
    const double y = halfWidth * std::copysign(std::pow(std::abs(s), kRoundness), s) * ring;
    const double inner = std::max(c, 0.0);
    // The back of the hand is gently domed across, highest over the middle bones.
    const double across = std::clamp(y / halfWidth, -1.0, 1.0);
    const double dome = 2.2 * (1.0 - across * across) * Smoothstep(-2.0, 12.0, z) * std::max(-c, 0.0);
    const double swelling = 6.5 * Bump(y, 14.0, 9.5) * Bump(z, 13.0, 13.0) +  // ball of the thumb
                            3.8 * Bump(y, -17.0, 8.0) * Bump(z, 17.0, 16.0) +  // little finger's side
                            2.2 * Bump(z, 45.0, 5.0) * Smoothstep(28.0, 20.0, std::abs(y)) -
                            1.2 * Bump(y, 0.0, 9.0) * Bump(z, 28.0, 10.0);  // the hollow
    SurfacePoint point;
    // The swellings settle into the heel rather than bulging past the wrist.
    const double settled = swelling * Smoothstep(-6.0, 8.0, z);
    point.position = {x + settled * std::pow(inner, 1.2) - dome, y, z};
    // The inside of the hand is a little paler than its back.
    const auto pale = static_cast<float>(0.07 * Smoothstep(0.1, 0.8, c));
    point.tone = {1.0f + pale, 1.0f + pale * 0.75f, 1.0f + pale * 0.8f, 1.0f};
    return point;
  };
  surface.inside = [length](const Point3& p) {
    return Point3{0.0, 0.0, std::clamp(p.z, 0.0, length)};
  };
  return surface;
}

// The wrist and a short forearm, running from inside the palm away from the fingers
// and fading into the background, so that a hand never looks cut off at the wrist.
Surface ForearmSurface() {
  Surface surface;
  surface.columns = 12;
  surface.rows = 3;
  constexpr double kTop = 6.0;
  constexpr double kBottom = -85.0;
  surface.at = [](double u, double v) {
    const double theta = 2.0 * kPi * u;
    const double z = kTop + (kBottom - kTop) * v;
    const double grow = Smoothstep(-12.0, kBottom, z);
    // As wide as the heel where it meets the palm, narrowest at the wrist,
    const double halfWidth = 20.5 + 4.5 * grow + 2.5 * Smoothstep(-12.0, kTop, z);
    // and no thicker than the palm inside it, so it never shows through the palm.
    const double halfThickness = 10.0 + 4.5 * grow - 3.0 * Smoothstep(-12.0, kTop, z);
    SurfacePoint point;
    point.position = {halfThickness * std::cos(theta), halfWidth * std::sin(theta), z};
    point.tone[3] = static_cast<float>(Smoothstep(kBottom + 5.0, -30.0, z));
    return point;
  };
  surface.inside = [](const Point3& p) { return Point3{0.0, 0.0, p.z}; };
  return surface;
}

// Radii at the joints of each finger, from its base to its tip, and how flat it is.
struct FingerBuild {
  std::array<double, 4> radii;
  double padHeight;
};

FingerBuild FingerBuildOf(const Hand& hand, int finger) {
  // Slimmer than the prisms of the described drawing, so that fingers lying side by
  // side still show a gap between them.
  const double k = hand.FingerWidth(finger) / hand.FingerWidth(2);
  switch (finger) {
    case 0: return {{9.0, 8.0, 7.6, 6.9}, 0.9};
    case 2: return {{7.1, 6.6, 6.1, 5.6}, 0.8};
    case 4: return {{6.9 * k, 6.4 * k, 6.0 * k, 5.6 * k}, 0.7};
    default: return {{6.8 * k, 6.3 * k, 5.9 * k, 5.45 * k}, 0.8};
  }
}

}  // namespace

std::vector<MeshPart> NaturalHandParts(const Hand& hand) {
  std::vector<MeshPart> parts;
  parts.push_back(BuildPart(0, PalmSurface(hand), true));
  parts.push_back(BuildPart(0, ForearmSurface(), true));
  std::vector<MeshPart> nails;
  for (int f = 0; f < Hand::kUsedFingers; ++f) {
    const FingerBuild build = FingerBuildOf(hand, f);
    for (int s = 0; s < Hand::kUsedSegments; ++s) {
      SegmentShape shape;
      shape.length = hand.SegmentLength(f, s);
      shape.baseRadius = build.radii[s];
      shape.topRadius = build.radii[s + 1];
      shape.padHeight = build.padHeight;
      const bool tip = s == Hand::kUsedSegments - 1;
      if (tip) {
        shape.topCapDepth = 0.75;
        shape.padCentre = 0.62;
        shape.padHeight = build.padHeight * 1.3;
      }
      if (f == 0 && s == 0) {
        // The thumb's first bone lies in the ball of the thumb.
        shape.thickness = 0.95;
        shape.padHeight = 2.0;
        shape.baseCapDepth = 0.6;
        shape.openBase = false;
      }
      parts.push_back(BuildPart(BoneIndex(f, s), SegmentSurface(shape, {1.0f, 1.0f, 1.0f, 1.0f}), true));
      if (tip) nails.push_back(BuildPart(BoneIndex(f, s), NailSurface(shape), false));
    }
  }
  for (MeshPart& nail : nails) parts.push_back(std::move(nail));
  return parts;
}

void PoseHandMesh(const std::vector<MeshPart>& parts, const std::vector<BoneFrame>& frames,
                  PosedHandMesh& mesh) {
  mesh.vertices.clear();
  mesh.triangles.clear();
  mesh.outlinedIndexCount = 0;
  for (const MeshPart& part : parts) {
    if (part.bone < 0 || part.bone >= static_cast<int>(frames.size())) continue;
    const Matrix4& m = frames[part.bone].frame;
    // The frames only turn and move, so normals turn with the same 3 x 3.
    float r[3][4];
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 4; ++column) r[row][column] = static_cast<float>(m(row, column));
    const auto first = static_cast<uint32_t>(mesh.vertices.size());
    for (const MeshVertex& v : part.vertices) {
      const Vec3& p = v.position;
      const Vec3& n = v.normal;
      mesh.vertices.push_back(
          {{r[0][0] * p.x + r[0][1] * p.y + r[0][2] * p.z + r[0][3],
            r[1][0] * p.x + r[1][1] * p.y + r[1][2] * p.z + r[1][3],
            r[2][0] * p.x + r[2][1] * p.y + r[2][2] * p.z + r[2][3]},
           {r[0][0] * n.x + r[0][1] * n.y + r[0][2] * n.z, r[1][0] * n.x + r[1][1] * n.y + r[1][2] * n.z,
            r[2][0] * n.x + r[2][1] * n.y + r[2][2] * n.z},
           v.tone});
    }
    for (uint32_t index : part.triangles) mesh.triangles.push_back(first + index);
    if (part.outlined) mesh.outlinedIndexCount = mesh.triangles.size();
  }
}
