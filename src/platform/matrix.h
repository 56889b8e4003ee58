#pragma once

#include <glm/vec3.hpp>

namespace quillmoor {

using Vector3 = glm::vec3;

inline Vector3 vec3(float x, float y, float z) { return Vector3(x, y, z); }

// A 4 x 4 transform in row-vector order (a vertex is a row, v' = v M), laid
// out row by row: m[row][column]. In Multiply(a, b), a acts first.
struct Matrix {
  float m[4][4] = {};

  bool operator==(const Matrix&) const = default;
};

// The classic left-handed matrix helpers, element for element and in the
// same order of single-precision operations, so results agree to the bit.
Matrix Identity();
Matrix LookAtLH(Vector3 eye, Vector3 at, Vector3 up);
Matrix PerspectiveFovLH(float fovy, float aspect, float zn, float zf);
Matrix Scaling(float x, float y, float z);
Matrix Translation(float x, float y, float z);
Matrix RotationX(float angle);
Matrix RotationY(float angle);
Matrix RotationZ(float angle);
Matrix Multiply(const Matrix& a, const Matrix& b);

// The product of the transforms, multiplied left to right: the first acts first.
template <typename... Rest>
Matrix Chain(const Matrix& first, const Rest&... rest) {
  Matrix result = first;
  ((result = Multiply(result, rest)), ...);
  return result;
}

// Where the row vector (x, y, z, 1) lands, divided by w.
Vector3 TransformCoord(Vector3 v, const Matrix& m);

}  // namespace quillmoor
