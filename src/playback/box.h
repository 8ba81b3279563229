#pragma once

#include "hand/primitive_sink.h"

#include <algorithm>
#include <limits>

// An axis-aligned box in the coordinates the hands are drawn in; empty until a point
// is taken in.
struct Box {
  Vec3 min{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
           std::numeric_limits<float>::max()};
  Vec3 max{std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest(),
           std::numeric_limits<float>::lowest()};

  bool IsEmpty() const { return min.x > max.x; }

  // Grows the box to hold a ball of `radius` around p.
  void Include(const Vec3& p, float radius) {
    min = {std::min(min.x, p.x - radius), std::min(min.y, p.y - radius), std::min(min.z, p.z - radius)};
    max = {std::max(max.x, p.x + radius), std::max(max.y, p.y + radius), std::max(max.z, p.z + radius)};
  }
  void Include(const Box& other) {
    if (other.IsEmpty()) return;
    Include(other.min, 0.0f);
    Include(other.max, 0.0f);
  }

  Vec3 Centre() const { return {(min.x + max.x) / 2.0f, (min.y + max.y) / 2.0f, (min.z + max.z) / 2.0f}; }
  Vec3 Corner(int i) const {
    return {(i & 1) ? max.x : min.x, (i & 2) ? max.y : min.y, (i & 4) ? max.z : min.z};
  }

  friend bool operator==(const Box&, const Box&) = default;
};
