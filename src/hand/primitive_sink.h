#pragma once

#include <array>
#include <span>

struct Vec3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  friend bool operator==(const Vec3&, const Vec3&) = default;
};

struct ShadedVertex {
  Vec3 normal;
  Vec3 position;
};

// Front-face material of a hand.
struct Material {
  std::array<float, 4> ambientAndDiffuse{};
  std::array<float, 4> specular{};
  float shininess = 0.0f;
};

// What hand drawing needs from a renderer: the model-view matrix stack, a material,
// and flat polygons with a normal at every vertex. The OpenGL sink issues the
// immediate-mode calls; the recording sink does the same matrix maths in plain C++.
class PrimitiveSink {
 public:
  virtual ~PrimitiveSink() = default;
  virtual void PushMatrix() = 0;
  virtual void PopMatrix() = 0;
  virtual void Translate(float x, float y, float z) = 0;
  virtual void Rotate(float degrees, float x, float y, float z) = 0;
  virtual void Scale(float x, float y, float z) = 0;
  virtual void SetFrontMaterial(const Material& material) = 0;
  virtual void Polygon(std::span<const ShadedVertex> vertices) = 0;
};
