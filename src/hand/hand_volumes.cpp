#include "hand/hand_volumes.h"

#include "hand/hand.h"
#include "hand/hand_skeleton.h"
#include "hand/matrix4.h"
#include "hand/recording_sink.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

QString PartName(HandPart part) {
  if (part.IsPalm()) return QStringLiteral("palm");
  static const char* const kFingers[] = {"thumb", "index finger", "middle finger", "ring finger",
                                         "little finger"};
  static const char* const kSegments[] = {"base", "middle", "tip"};
  if (part.finger > 4 || part.segment < 0 || part.segment > 2) return QStringLiteral("?");
  return QStringLiteral("%1 %2 segment")
      .arg(QLatin1String(kFingers[part.finger]), QLatin1String(kSegments[part.segment]));
}

float HandVolumes::PalmDistance(const Vec3& p) const {
  float distance = -std::numeric_limits<float>::max();
  for (const Plane& face : palmFaces) distance = std::max(distance, Dot(face.normal, p) - face.offset);
  return distance;
}

HandVolumes MakeHandVolumes(const Hand& hand) {
  HandVolumes volumes;
  const std::vector<PrismAxis> axes = HandPrismAxes(hand);
  for (int f = 0; f < Hand::kUsedFingers; ++f) {
    for (int s = 0; s < Hand::kUsedSegments; ++s) {
      const PrismAxis& axis = axes.at(PrismIndex(f, s));
      HandVolumes::Capsule capsule{{f, s}, axis.base, axis.top, hand.FingerWidth(f) / 2.0f};
      if (s == Hand::kUsedSegments - 1) {
        // The fingertip is flat: pull the rounded end back inside it.
        const Vec3 along = Minus(axis.top, axis.base);
        const float length = std::sqrt(Dot(along, along));
        const float keep = length > 0.0f ? std::max(0.0f, 1.0f - capsule.radius / length) : 0.0f;
        capsule.end = {axis.base.x + along.x * keep, axis.base.y + along.y * keep,
                       axis.base.z + along.z * keep};
      }
      volumes.capsules.push_back(capsule);
    }
  }

  // drawPalm draws in the matrix it is given: place it where draw puts it.
  RecordingSink placed;
  placed.Translate(hand.pose(0), hand.pose(1), hand.pose(2));
  placed.Rotate(hand.pose(5), 0.0f, 0.0f, 1.0f);
  placed.Rotate(hand.pose(4), 0.0f, 1.0f, 0.0f);
  placed.Rotate(hand.pose(3), 1.0f, 0.0f, 0.0f);
  hand.drawPalm(placed);
  Vec3 centre;
  int count = 0;
  for (const auto& polygon : placed.Polygons()) {
    for (const Vec3& v : polygon.world) {
      centre = {centre.x + v.x, centre.y + v.y, centre.z + v.z};
      ++count;
    }
  }
  if (count == 0) return volumes;
  centre = {centre.x / count, centre.y / count, centre.z / count};
  for (const auto& polygon : placed.Polygons()) {
    const std::vector<Vec3>& v = polygon.world;
    if (v.size() < 3) continue;
    Vec3 normal = Cross(Minus(v[1], v[0]), Minus(v[2], v[0]));
    const float length = std::sqrt(Dot(normal, normal));
    if (length == 0.0f) continue;
    normal = {normal.x / length, normal.y / length, normal.z / length};
    if (Dot(normal, Minus(v[0], centre)) < 0.0f) normal = {-normal.x, -normal.y, -normal.z};
    volumes.palmFaces.push_back({normal, Dot(normal, v[0])});
    if (&polygon == &placed.Polygons()[0] || &polygon == &placed.Polygons()[1])
      volumes.palmPoints.insert(volumes.palmPoints.end(), v.begin(), v.end());
  }
  // Along the palm's middle from the wrist to the knuckles.
  const Matrix4& wrist = placed.Current();
  for (int i = 0; i <= 4; ++i)
    volumes.palmPoints.push_back(wrist.TransformPoint({0.0f, 0.0f, hand.PalmLength() * i / 4.0f}));
  return volumes;
}
