#include "hand/hand_skeleton.h"

#include "hand/hand.h"
#include "hand/recording_sink.h"

namespace {

Vec3 Centroid(const std::vector<Vec3>& points) {
  Vec3 sum;
  for (const Vec3& p : points) {
    sum.x += p.x;
    sum.y += p.y;
    sum.z += p.z;
  }
  const float n = static_cast<float>(points.size());
  return {sum.x / n, sum.y / n, sum.z / n};
}

}  // namespace

std::vector<PrismAxis> HandPrismAxes(const Hand& hand) {
  RecordingSink sink;
  hand.draw(sink);
  // Every prism is drawn as its top face, its base face, then its sides.
  const auto& polygons = sink.Polygons();
  const int polygonsPerPrism = 2 + 8;
  std::vector<PrismAxis> axes;
  for (size_t first = 0; first + 1 < polygons.size(); first += polygonsPerPrism)
    axes.push_back({Centroid(polygons[first + 1].world), Centroid(polygons[first].world)});
  return axes;
}

Vec3 Fingertip(const Hand& hand, int finger) {
  return HandPrismAxes(hand).at(PrismIndex(finger, 2)).top;
}
