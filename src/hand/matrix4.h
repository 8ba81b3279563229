#pragma once

#include "hand/primitive_sink.h"

#include <array>

// A 4 x 4 matrix in OpenGL's column-major order, with OpenGL's rules for
// multiplying translations, rotations and scalings onto it, in double precision.
class Matrix4 {
 public:
  static Matrix4 Identity();
  static Matrix4 Translation(double x, double y, double z);
  static Matrix4 Rotation(double degrees, double x, double y, double z);
  static Matrix4 Scaling(double x, double y, double z);
  static Matrix4 Perspective(double fovyDegrees, double aspect, double zNear, double zFar);
  static Matrix4 LookAt(const std::array<double, 3>& eye, const std::array<double, 3>& centre,
                        const std::array<double, 3>& up);

  Matrix4 operator*(const Matrix4& other) const;
  double operator()(int row, int column) const { return m_[column * 4 + row]; }
  double& operator()(int row, int column) { return m_[column * 4 + row]; }

  Vec3 TransformPoint(const Vec3& p) const;
  // Homogeneous transform without the divide.
  std::array<double, 4> Transform(const std::array<double, 4>& v) const;
  // Normals go through the inverse transpose of the upper 3 x 3, then are normalised.
  Vec3 TransformNormal(const Vec3& n) const;

 private:
  std::array<double, 16> m_{};
};
