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
  double thickness = 0.84;  // across the finger (x) relative to its width (y)
  double knuckleHeight = 0.0;  // how far the knuckle at the next joint stands off the back
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
  // The knuckle stands off the back of the joint, most where the joint bends.
  const double knuckle =
      shape.knuckleHeight * Bump(z, shape.length, 0.5 * shape.topRadius) * std::pow(std::max(-c, 0.0), 2.0);
  const double across = radius * shape.thickness + pad + knuckle;
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

// The palm and the forearm in one piece, so that no seam shows at the wrist from any
// side: a short forearm, fading into the background away from the hand, narrows to the
// wrist and widens again into the palm, which narrows from the knuckles to the heel,
// rounded at its sides. The knuckles' end is rounded higher over the middle finger than
// at the sides, so the knuckles lie on an arc, and each stands off the back. The ball
// of the thumb and the pad on the little finger's side swell from the inner side.
constexpr double kForearmEnd = -85.0;

Surface PalmSurface(const Hand& hand) {
  const double length = hand.PalmLength();
  const double heelHalfWidth = hand.PalmWidth() / 2.0 - 2.5;
  const double knuckleHalfWidth = hand.PalmWidth() * hand.PalmTaper() / 2.0 - 1.0;
  const double halfThickness = hand.PalmThickness() / 2.0 + 0.4;
  std::array<double, 4> knuckles{};
  std::array<double, 4> knuckleWidths{};
  for (int f = 1; f < Hand::kUsedFingers; ++f) {
    knuckles[f - 1] = hand.FingerOffset(f);
    knuckleWidths[f - 1] = hand.FingerWidth(f);
  }
  Surface surface;
  surface.columns = 16;
  surface.rows = 19;
  // Rows are spent where the shape turns: three on the straight forearm, the rest on
  // the wrist, the palm and the knuckles' rounded end.
  constexpr double kForearmRows = 3.0 / 19.0;
  constexpr double kKnuckleStart = 15.0 / 19.0;
  constexpr double kWrist = -14.0;
  surface.at = [=](double u, double v) {
    const double theta = 2.0 * kPi * u;
    const double c = std::cos(theta);
    const double s = std::sin(theta);
    double z = 0.0;
    double ring = 1.0;
    if (v < kForearmRows) {
      z = kForearmEnd + (kWrist - kForearmEnd) * v / kForearmRows;
    } else if (v > kKnuckleStart) {
      const double phi = (v - kKnuckleStart) / (1.0 - kKnuckleStart) * kPi / 2.0;
      const double depth = 4.5 + 3.0 * (1.0 - s * s);
      z = length + depth * std::sin(phi);
      ring = std::cos(phi);
    } else {
      z = kWrist + (v - kForearmRows) / (kKnuckleStart - kForearmRows) * (length - kWrist);
    }
    // The forearm: an oval, widest away from the hand, narrowest at the wrist.
    const double grow = Smoothstep(-12.0, kForearmEnd, z);
    const double armHalfWidth = 20.5 + 4.5 * grow;
    const double armHalfThickness = 10.0 + 4.5 * grow;
    // The palm: narrow at the heel, widening towards the knuckles.
    const double widening = Smoothstep(-4.0, length * 0.8, z);
    const double palmHalfWidth = heelHalfWidth + (knuckleHalfWidth - heelHalfWidth) * widening;
    const double intoPalm = Smoothstep(kWrist, 6.0, z);
    const double halfWidth = armHalfWidth + (palmHalfWidth - armHalfWidth) * intoPalm;
    const double thickness = armHalfThickness + (halfThickness - armHalfThickness) * intoPalm;
    // Across, the palm is a rounded rectangle, rounder at the sides than a slab.
    const double roundness = 1.0 - 0.15 * intoPalm;
    // The back slopes down into the fingers, so only the knuckles stand above them.
    const double backSlope = c < 0.0 ? 3.0 * Smoothstep(length * 0.55, length + 2.0, z) : 0.0;
    const double x = (thickness - backSlope) * std::copysign(std::pow(std::abs(c), roundness), c) * ring;
    const double y = halfWidth * std::copysign(std::pow(std::abs(s), roundness), s) * ring;
    const double inner = std::max(c, 0.0);
    const double outer = std::max(-c, 0.0);
    // The back of the hand is gently domed across, highest over the middle bones.
    const double across = std::clamp(y / halfWidth, -1.0, 1.0);
    const double dome = 2.2 * (1.0 - across * across) * Smoothstep(-2.0, 12.0, z) *
                        (1.0 - Smoothstep(length * 0.6, length, z)) * outer;
    double knuckle = 0.0;
    for (size_t k = 0; k < knuckles.size(); ++k)
      knuckle += 2.4 * Bump(y, knuckles[k], 0.36 * knuckleWidths[k]) * Bump(z, length + 0.5, 4.5);
    knuckle *= outer;
    const double swelling = 6.5 * Bump(y, 14.0, 9.5) * Bump(z, 13.0, 13.0) +  // ball of the thumb
                            3.8 * Bump(y, -17.0, 8.0) * Bump(z, 17.0, 16.0) +  // little finger's side
                            2.2 * Bump(z, 45.0, 5.0) * Smoothstep(28.0, 20.0, std::abs(y)) -
                            1.2 * Bump(y, 0.0, 9.0) * Bump(z, 28.0, 10.0);  // the hollow
    SurfacePoint point;
    // The swellings settle into the heel rather than bulging past the wrist.
    const double settled = swelling * Smoothstep(-6.0, 8.0, z);
    point.position = {x + settled * std::pow(inner, 1.2) - dome - knuckle, y, z};
    // The inside of the hand is a little paler than its back.
    const auto pale = static_cast<float>(0.07 * Smoothstep(0.1, 0.8, c) * intoPalm);
    point.tone = {1.0f + pale, 1.0f + pale * 0.75f, 1.0f + pale * 0.8f,
                  static_cast<float>(Smoothstep(kForearmEnd + 5.0, -30.0, z))};
    return point;
  };
  surface.inside = [length](const Point3& p) {
    return Point3{0.0, 0.0, std::clamp(p.z, kForearmEnd, length)};
  };
  return surface;
}

// The web between the thumb and the index: a soft fold of skin from the index's side
// of the palm to the thumb's first bone. Its free edge dips in the middle.
MeshPart ThumbWebPart(const Hand& hand) {
  constexpr int kAround = 8;
  constexpr int kAlong = 4;
  const float palmEdge = hand.FingerOffset(1) + 1.0f;
  MeshPart part;
  part.bone = 0;
  part.outlined = false;
  part.sheet.otherBone = BoneIndex(0, 0);
  for (int j = 0; j <= kAlong; ++j) {
    const double along = static_cast<double>(j) / kAlong;
    for (int i = 0; i < kAround; ++i) {
      const double theta = 2.0 * kPi * i / kAround;
      const double t = 0.5 - 0.5 * std::cos(theta);  // 0 on the palm, 1 on the thumb
      const double reach = along * (1.0 - 0.38 * std::sin(kPi * t));
      const double half = 3.2 * (1.0 - 0.35 * std::sin(kPi * t)) * (1.0 - 0.5 * along * along);
      MeshVertex onPalm;
      onPalm.position = {0.0f, palmEdge, static_cast<float>(16.0 + 30.0 * reach)};
      part.vertices.push_back(onPalm);
      part.sheet.otherPoints.push_back({0.0f, 0.0f, static_cast<float>(10.0 + 27.0 * reach)});
      part.sheet.towardsOther.push_back(static_cast<float>(Smoothstep(0.0, 1.0, t)));
      part.sheet.thickness.push_back(static_cast<float>(std::sin(theta) * half));
    }
  }
  for (int j = 0; j < kAlong; ++j) {
    for (int i = 0; i < kAround; ++i) {
      const auto at = [&](int a, int b) { return static_cast<uint32_t>(b * kAround + a % kAround); };
      part.triangles.insert(part.triangles.end(), {at(i, j), at(i + 1, j), at(i + 1, j + 1)});
      part.triangles.insert(part.triangles.end(), {at(i, j), at(i + 1, j + 1), at(i, j + 1)});
    }
  }
  return part;
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
      if (!tip) shape.knuckleHeight = f == 0 ? 1.0 : 1.3;
      parts.push_back(BuildPart(BoneIndex(f, s), SegmentSurface(shape, {1.0f, 1.0f, 1.0f, 1.0f}), true));
      if (tip) nails.push_back(BuildPart(BoneIndex(f, s), NailSurface(shape), false));
    }
  }
  for (MeshPart& nail : nails) parts.push_back(std::move(nail));
  parts.push_back(ThumbWebPart(hand));
  return parts;
}

std::vector<MeshOccluder> NaturalHandOccluders(const Hand& hand) {
  std::vector<MeshOccluder> occluders;
  // The palm as three rods across it, heel, middle and knuckles.
  const float halfThickness = hand.PalmThickness() / 2.0f + 1.0f;
  for (const float along : {0.24f, 0.56f, 0.88f}) {
    const float z = hand.PalmLength() * along;
    const float halfWidth = hand.PalmWidth() * (1.0f + (hand.PalmTaper() - 1.0f) * along) / 2.0f - halfThickness;
    occluders.push_back({0, {0.0f, -halfWidth, z}, {0.0f, halfWidth, z}, halfThickness});
  }
  for (int f = 0; f < Hand::kUsedFingers; ++f) {
    const FingerBuild build = FingerBuildOf(hand, f);
    // The thumb's first bone lies inside the ball of the thumb: it shades nothing.
    for (int s = f == 0 ? 1 : 0; s < Hand::kUsedSegments; ++s)
      occluders.push_back({BoneIndex(f, s), {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, hand.SegmentLength(f, s)},
                           static_cast<float>(build.radii[s] * 0.9)});
  }
  return occluders;
}

namespace {

// A frame as a 3 x 4 of floats: the frames only turn and move, so normals turn with
// the same 3 x 3.
struct Placement {
  float r[3][4];
  explicit Placement(const Matrix4& m) {
    for (int row = 0; row < 3; ++row)
      for (int column = 0; column < 4; ++column) r[row][column] = static_cast<float>(m(row, column));
  }
  Vec3 Point(const Vec3& p) const {
    return {r[0][0] * p.x + r[0][1] * p.y + r[0][2] * p.z + r[0][3],
            r[1][0] * p.x + r[1][1] * p.y + r[1][2] * p.z + r[1][3],
            r[2][0] * p.x + r[2][1] * p.y + r[2][2] * p.z + r[2][3]};
  }
  Vec3 Direction(const Vec3& n) const {
    return {r[0][0] * n.x + r[0][1] * n.y + r[0][2] * n.z, r[1][0] * n.x + r[1][1] * n.y + r[1][2] * n.z,
            r[2][0] * n.x + r[2][1] * n.y + r[2][2] * n.z};
  }
};

Vec3 Mix(const Vec3& a, const Vec3& b, float w) {
  return {a.x + (b.x - a.x) * w, a.y + (b.y - a.y) * w, a.z + (b.z - a.z) * w};
}

Vec3 Unit(const Vec3& v) {
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return length > 0.0f ? Vec3{v.x / length, v.y / length, v.z / length} : Vec3{0.0f, 0.0f, 1.0f};
}

// Triangles of a part that stretches between two bones are wound as they face once
// posed, since the two bones can turn its sides over.
void AddFacingTriangles(const MeshPart& part, uint32_t first, PosedHandMesh& mesh) {
  for (size_t i = 0; i + 2 < part.triangles.size(); i += 3) {
    const uint32_t a = first + part.triangles[i];
    const uint32_t b = first + part.triangles[i + 1];
    const uint32_t c = first + part.triangles[i + 2];
    const Vec3& pa = mesh.vertices[a].position;
    const Vec3& pb = mesh.vertices[b].position;
    const Vec3& pc = mesh.vertices[c].position;
    const Vec3 ab{pb.x - pa.x, pb.y - pa.y, pb.z - pa.z};
    const Vec3 ac{pc.x - pa.x, pc.y - pa.y, pc.z - pa.z};
    const Vec3 facing{ab.y * ac.z - ab.z * ac.y, ab.z * ac.x - ab.x * ac.z, ab.x * ac.y - ab.y * ac.x};
    const Vec3& na = mesh.vertices[a].normal;
    const Vec3& nb = mesh.vertices[b].normal;
    const Vec3& nc = mesh.vertices[c].normal;
    const Vec3 n{na.x + nb.x + nc.x, na.y + nb.y + nc.y, na.z + nb.z + nc.z};
    if (facing.x * n.x + facing.y * n.y + facing.z * n.z >= 0.0f)
      mesh.triangles.insert(mesh.triangles.end(), {a, b, c});
    else
      mesh.triangles.insert(mesh.triangles.end(), {a, c, b});
  }
}

struct PosedOccluder {
  Vec3 from;
  Vec3 axis;  // from..to
  float inverseLength2 = 0.0f;
  float radius2 = 0.0f;
  float reach2 = 0.0f;  // beyond this distance from the rod it shades nothing
};

// How much of the light around a point of skin with normal n the rods take away: each
// counts as a ball at its nearest point, by the share of the sky it covers.
float Occlusion(const Vec3& p, const Vec3& n, const std::vector<PosedOccluder>& rods) {
  float total = 0.0f;
  for (const PosedOccluder& rod : rods) {
    const Vec3 ap{p.x - rod.from.x, p.y - rod.from.y, p.z - rod.from.z};
    const float t =
        std::clamp((ap.x * rod.axis.x + ap.y * rod.axis.y + ap.z * rod.axis.z) * rod.inverseLength2, 0.0f, 1.0f);
    const Vec3 d{rod.from.x + rod.axis.x * t - p.x, rod.from.y + rod.axis.y * t - p.y,
                 rod.from.z + rod.axis.z * t - p.z};
    const float distance2 = d.x * d.x + d.y * d.y + d.z * d.z;
    if (distance2 > rod.reach2 || distance2 < 1e-6f) continue;
    const float facing = n.x * d.x + n.y * d.y + n.z * d.z;
    if (facing <= 0.0f) continue;
    total += facing / std::sqrt(distance2) * std::min(1.0f, rod.radius2 / distance2);
  }
  return total;
}

}  // namespace

void PoseHandMesh(const std::vector<MeshPart>& parts, const std::vector<BoneFrame>& frames,
                  PosedHandMesh& mesh, std::span<const MeshOccluder> occluders) {
  mesh.vertices.clear();
  mesh.triangles.clear();
  mesh.outlinedIndexCount = 0;
  const auto bones = static_cast<int>(frames.size());
  for (const MeshPart& part : parts) {
    if (part.bone < 0 || part.bone >= bones) continue;
    const Placement place(frames[part.bone].frame);
    const auto first = static_cast<uint32_t>(mesh.vertices.size());
    const StretchedSheet& sheet = part.sheet;
    const size_t count = part.vertices.size();
    const bool stretched = sheet.otherBone >= 0 && sheet.otherBone < bones && sheet.otherPoints.size() == count &&
                           sheet.towardsOther.size() == count && sheet.thickness.size() == count;
    if (stretched) {
      const Placement other(frames[sheet.otherBone].frame);
      const Vec3 palmSide = place.Direction({1.0f, 0.0f, 0.0f});
      const Vec3 alongHere = place.Direction({0.0f, 0.0f, 1.0f});
      const Vec3 alongThere = other.Direction({0.0f, 0.0f, 1.0f});
      for (size_t i = 0; i < count; ++i) {
        const Vec3 here = place.Point(part.vertices[i].position);
        const Vec3 there = other.Point(sheet.otherPoints[i]);
        const float w = sheet.towardsOther[i];
        // The sheet spans the way across (here to there) and the way along both bones.
        const Vec3 across{there.x - here.x, there.y - here.y, there.z - here.z};
        const Vec3 along = Mix(alongHere, alongThere, w);
        Vec3 normal = Unit({along.y * across.z - along.z * across.y, along.z * across.x - along.x * across.z,
                            along.x * across.y - along.y * across.x});
        if (normal.x * palmSide.x + normal.y * palmSide.y + normal.z * palmSide.z < 0.0f)
          normal = {-normal.x, -normal.y, -normal.z};
        const float off = sheet.thickness[i];
        const Vec3 middle = Mix(here, there, w);
        const float facing = off >= 0.0f ? 1.0f : -1.0f;
        mesh.vertices.push_back({{middle.x + normal.x * off, middle.y + normal.y * off, middle.z + normal.z * off},
                                 {normal.x * facing, normal.y * facing, normal.z * facing},
                                 part.vertices[i].tone});
      }
      AddFacingTriangles(part, first, mesh);
    } else {
      for (const MeshVertex& v : part.vertices)
        mesh.vertices.push_back({place.Point(v.position), place.Direction(v.normal), v.tone});
      for (uint32_t index : part.triangles) mesh.triangles.push_back(first + index);
    }
    if (part.outlined) mesh.outlinedIndexCount = mesh.triangles.size();
  }
  if (occluders.empty()) return;
  std::vector<PosedOccluder> rods;
  rods.reserve(occluders.size());
  for (const MeshOccluder& occluder : occluders) {
    if (occluder.bone < 0 || occluder.bone >= bones) continue;
    const Placement place(frames[occluder.bone].frame);
    PosedOccluder rod;
    rod.from = place.Point(occluder.from);
    const Vec3 to = place.Point(occluder.to);
    rod.axis = {to.x - rod.from.x, to.y - rod.from.y, to.z - rod.from.z};
    const float length2 = rod.axis.x * rod.axis.x + rod.axis.y * rod.axis.y + rod.axis.z * rod.axis.z;
    rod.inverseLength2 = length2 > 0.0f ? 1.0f / length2 : 0.0f;
    rod.radius2 = occluder.radius * occluder.radius;
    rod.reach2 = rod.radius2 * 12.0f;
    rods.push_back(rod);
  }
  // Creases and the skin under a curled finger are darker, never black.
  constexpr float kStrength = 2.0f;
  constexpr float kDeepest = 0.6f;
  for (MeshVertex& v : mesh.vertices) {
    const float shade = 1.0f - std::min(kDeepest, kStrength * Occlusion(v.position, v.normal, rods));
    v.tone[0] *= shade;
    v.tone[1] *= shade;
    v.tone[2] *= shade;
  }
}
