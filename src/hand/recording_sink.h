#pragma once

#include "hand/matrix4.h"
#include "hand/primitive_sink.h"

#include <vector>

// A primitive sink that draws nothing: it keeps the matrix stack in plain C++ and
// records every polygon in world coordinates, so geometry can be checked without a
// display (where a fingertip ends up, how deep the stack is after drawing).
class RecordingSink : public PrimitiveSink {
 public:
  struct RecordedPolygon {
    std::vector<ShadedVertex> local;  // as the drawing code gave them
    std::vector<Vec3> world;          // positions through the model-view matrix
    std::vector<Vec3> worldNormals;
  };

  explicit RecordingSink(const Matrix4& start = Matrix4::Identity());

  void PushMatrix() override;
  void PopMatrix() override;
  void Translate(float x, float y, float z) override;
  void Rotate(float degrees, float x, float y, float z) override;
  void Scale(float x, float y, float z) override;
  void SetFrontMaterial(const Material& material) override;
  void Polygon(std::span<const ShadedVertex> vertices) override;

  int Depth() const { return static_cast<int>(stack_.size()); }
  int MaxDepth() const { return maxDepth_; }
  // Pops below the first matrix are counted rather than obeyed.
  int Underflows() const { return underflows_; }
  const Matrix4& Current() const { return stack_.back(); }
  const std::vector<RecordedPolygon>& Polygons() const { return polygons_; }
  const std::vector<Material>& Materials() const { return materials_; }

 private:
  std::vector<Matrix4> stack_;
  int maxDepth_ = 1;
  int underflows_ = 0;
  std::vector<RecordedPolygon> polygons_;
  std::vector<Material> materials_;
};
