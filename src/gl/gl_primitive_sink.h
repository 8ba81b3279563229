#pragma once

#include "hand/primitive_sink.h"

// Draws hands with OpenGL 1.1 immediate-mode calls on whatever context is current:
// the matrix operations act on the model-view stack, every polygon is its own
// glBegin/glEnd with a normal before each vertex.
class GlPrimitiveSink : public PrimitiveSink {
 public:
  void PushMatrix() override;
  void PopMatrix() override;
  void Translate(float x, float y, float z) override;
  void Rotate(float degrees, float x, float y, float z) override;
  void Scale(float x, float y, float z) override;
  void SetFrontMaterial(const Material& material) override;
  void Polygon(std::span<const ShadedVertex> vertices) override;
};
