#include "hand/tapered_prism.h"

#include "hand/primitive_sink.h"

#include <array>
#include <cmath>

void DrawTaperedPrism(PrimitiveSink& sink, int16_t& sides, float topScale) {
  if (sides > kMaxPrismSides) sides = kMaxPrismSides;
  const int n = sides;
  if (n < 1) return;

  const float step = 6.2831853f / static_cast<float>(n);
  // Index i holds top vertex i, index n + i base vertex i.
  std::array<Vec3, 2 * kMaxPrismSides + 1> table{};
  for (int i = 0; i < n; ++i) {
    const float theta = static_cast<float>(i) * step;
    table[i] = {0.5f * std::cos(theta) * topScale, 0.5f * std::sin(theta) * topScale, 1.0f};
    table[n + i] = {0.5f * std::cos(theta), 0.5f * std::sin(theta), 0.0f};
  }

  std::array<ShadedVertex, kMaxPrismSides> face{};
  for (int i = 0; i < n; ++i) face[i] = {{0.0f, 0.0f, 1.0f}, table[i]};
  sink.Polygon(std::span(face.data(), n));

  for (int i = 0; i < n; ++i) face[i] = {{0.0f, 0.0f, -1.0f}, table[2 * n - 1 - i]};
  sink.Polygon(std::span(face.data(), n));

  // Side normals lean along z by the slope of the taper.
  const float tilt = std::atan((1.0f - topScale) * 0.5f);
  const float length = std::sqrt(std::sin(tilt) * std::sin(tilt) + 1.0f);
  auto normalAt = [&](int angleIndex) {
    const float phi = static_cast<float>(angleIndex) * step;
    return Vec3{std::cos(phi) / length, std::sin(phi) / length, std::sin(tilt) / length};
  };
  for (int i = 0; i < n; ++i) {
    const int j = (i == n - 1) ? 0 : i + 1;
    const std::array<ShadedVertex, 4> side{{
        {normalAt(i), table[i]},
        {normalAt(n + i), table[n + i]},
        {normalAt(n + j), table[n + j]},
        {normalAt(j), table[j]},
    }};
    sink.Polygon(side);
  }
}
