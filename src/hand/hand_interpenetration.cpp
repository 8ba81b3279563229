#include "hand/hand_interpenetration.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Along(const Vec3& a, const Vec3& d, float t) { return {a.x + d.x * t, a.y + d.y * t, a.z + d.z * t}; }
float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Shortest distance between segments p1-q1 and p2-q2.
float SegmentDistance(const Vec3& p1, const Vec3& q1, const Vec3& p2, const Vec3& q2) {
  const Vec3 d1 = Minus(q1, p1);
  const Vec3 d2 = Minus(q2, p2);
  const Vec3 r = Minus(p1, p2);
  const float a = Dot(d1, d1);
  const float e = Dot(d2, d2);
  const float f = Dot(d2, r);
  constexpr float kTiny = 1e-9f;
  float s = 0.0f;
  float t = 0.0f;
  if (a <= kTiny && e <= kTiny) {
    s = t = 0.0f;
  } else if (a <= kTiny) {
    t = std::clamp(f / e, 0.0f, 1.0f);
  } else {
    const float c = Dot(d1, r);
    if (e <= kTiny) {
      s = std::clamp(-c / a, 0.0f, 1.0f);
    } else {
      const float b = Dot(d1, d2);
      const float denominator = a * e - b * b;
      s = denominator > kTiny ? std::clamp((b * f - c * e) / denominator, 0.0f, 1.0f) : 0.0f;
      t = (b * s + f) / e;
      if (t < 0.0f) {
        t = 0.0f;
        s = std::clamp(-c / a, 0.0f, 1.0f);
      } else if (t > 1.0f) {
        t = 1.0f;
        s = std::clamp((b - c) / a, 0.0f, 1.0f);
      }
    }
  }
  const Vec3 gap = Minus(Along(p1, d1, s), Along(p2, d2, t));
  return std::sqrt(Dot(gap, gap));
}

// The palm distance along a segment is the largest of linear functions, so it is
// convex and a ternary search finds its least value.
float PalmDistanceAlong(const HandVolumes& palm, const Vec3& start, const Vec3& end) {
  const Vec3 d = Minus(end, start);
  float low = 0.0f;
  float high = 1.0f;
  for (int i = 0; i < 60; ++i) {
    const float m1 = low + (high - low) / 3.0f;
    const float m2 = high - (high - low) / 3.0f;
    if (palm.PalmDistance(Along(start, d, m1)) <= palm.PalmDistance(Along(start, d, m2)))
      high = m2;
    else
      low = m1;
  }
  return std::min({palm.PalmDistance(start), palm.PalmDistance(end),
                   palm.PalmDistance(Along(start, d, (low + high) / 2.0f))});
}

// A finger's base segment starts at the palm; the thumb's base segment lies in it.
bool JoinedToPalm(const HandPart& part) { return part.segment == 0; }

void CheckCapsules(const HandVolumes::Capsule& a, const HandVolumes::Capsule& b, float tolerance,
                   std::vector<Interpenetration>& found) {
  const float depth = a.radius + b.radius - SegmentDistance(a.start, a.end, b.start, b.end);
  if (depth > tolerance) found.push_back({a.part, b.part, depth});
}

// No point of a segment lies nearer the palm than this: each face's distance is linear
// along the segment, least at an end, and the palm distance is the largest of them.
float PalmDistanceBound(const HandVolumes& palm, const Vec3& start, const Vec3& end) {
  float bound = -std::numeric_limits<float>::max();
  for (const HandVolumes::Plane& face : palm.palmFaces)
    bound = std::max(bound, std::min(Dot(face.normal, start), Dot(face.normal, end)) - face.offset);
  return bound;
}

void CheckPalm(const HandVolumes& palmOwner, const HandVolumes::Capsule& capsule, bool palmFirst,
               float tolerance, std::vector<Interpenetration>& found) {
  if (palmOwner.palmFaces.empty()) return;
  // Most parts are clear of the palm by far, and the search along the segment is the
  // cost; the slack keeps rounding from ever passing over an overlap the search finds.
  constexpr float kBoundSlack = 0.01f;
  if (capsule.radius - PalmDistanceBound(palmOwner, capsule.start, capsule.end) <= tolerance - kBoundSlack)
    return;
  const float depth = capsule.radius - PalmDistanceAlong(palmOwner, capsule.start, capsule.end);
  if (depth <= tolerance) return;
  if (palmFirst)
    found.push_back({HandPart{}, capsule.part, depth});
  else
    found.push_back({capsule.part, HandPart{}, depth});
}

void SortDeepestFirst(std::vector<Interpenetration>& found) {
  std::stable_sort(found.begin(), found.end(),
                   [](const Interpenetration& a, const Interpenetration& b) { return a.depth > b.depth; });
}

}  // namespace

std::vector<Interpenetration> FindInterpenetrations(const HandVolumes& hand, float tolerance) {
  std::vector<Interpenetration> found;
  const auto& capsules = hand.capsules;
  for (size_t i = 0; i < capsules.size(); ++i) {
    if (!JoinedToPalm(capsules[i].part)) CheckPalm(hand, capsules[i], true, tolerance, found);
    for (size_t j = i + 1; j < capsules.size(); ++j)
      if (capsules[i].part.finger != capsules[j].part.finger)
        CheckCapsules(capsules[i], capsules[j], tolerance, found);
  }
  SortDeepestFirst(found);
  return found;
}

std::vector<Interpenetration> FindInterpenetrations(const HandVolumes& first,
                                                    const HandVolumes& second, float tolerance) {
  std::vector<Interpenetration> found;
  for (const auto& a : first.capsules) {
    CheckPalm(second, a, false, tolerance, found);
    for (const auto& b : second.capsules) CheckCapsules(a, b, tolerance, found);
  }
  for (const auto& b : second.capsules) CheckPalm(first, b, true, tolerance, found);
  // Palm against palm: a corner or a middle point of one deep inside the other.
  float deepest = 0.0f;
  for (const Vec3& corner : second.palmPoints) deepest = std::max(deepest, -first.PalmDistance(corner));
  for (const Vec3& corner : first.palmPoints) deepest = std::max(deepest, -second.PalmDistance(corner));
  if (deepest > tolerance) found.push_back({HandPart{}, HandPart{}, deepest});
  SortDeepestFirst(found);
  return found;
}
