#include "hand/recording_sink.h"

#include <algorithm>

RecordingSink::RecordingSink(const Matrix4& start) : stack_{start} {}

void RecordingSink::PushMatrix() {
  stack_.push_back(stack_.back());
  maxDepth_ = std::max(maxDepth_, Depth());
}

void RecordingSink::PopMatrix() {
  if (stack_.size() == 1) {
    ++underflows_;
    return;
  }
  stack_.pop_back();
}

void RecordingSink::Translate(float x, float y, float z) {
  stack_.back() = stack_.back() * Matrix4::Translation(x, y, z);
}

void RecordingSink::Rotate(float degrees, float x, float y, float z) {
  stack_.back() = stack_.back() * Matrix4::Rotation(degrees, x, y, z);
}

void RecordingSink::Scale(float x, float y, float z) {
  stack_.back() = stack_.back() * Matrix4::Scaling(x, y, z);
}

void RecordingSink::SetFrontMaterial(const Material& material) { materials_.push_back(material); }

void RecordingSink::Polygon(std::span<const ShadedVertex> vertices) {
  RecordedPolygon polygon;
  polygon.local.assign(vertices.begin(), vertices.end());
  for (const ShadedVertex& v : vertices) {
    polygon.world.push_back(stack_.back().TransformPoint(v.position));
    polygon.worldNormals.push_back(stack_.back().TransformNormal(v.normal));
  }
  polygons_.push_back(std::move(polygon));
}
