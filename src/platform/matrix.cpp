#include "platform/matrix.h"

#include <cmath>

#include <glm/geometric.hpp>

namespace quillmoor {

namespace {

// Length by square root, then a division per component: not the
// reciprocal-square-root product glm::normalize uses.
Vector3 Normalize(Vector3 v) {
  const float length = std::sqrt(glm::dot(v, v));
  if (length == 0.0f) return Vector3(0.0f);
  return Vector3(v.x / length, v.y / length, v.z / length);
}

}  // namespace

Matrix Identity() {
  Matrix r;
  for (int i = 0; i < 4; ++i) r.m[i][i] = 1.0f;
  return r;
}

Matrix LookAtLH(Vector3 eye, Vector3 at, Vector3 up) {
  const Vector3 z = Normalize(at - eye);
  const Vector3 x = Normalize(glm::cross(up, z));
  const Vector3 y = glm::cross(z, x);
  Matrix r;
  r.m[0][0] = x.x; r.m[0][1] = y.x; r.m[0][2] = z.x;
  r.m[1][0] = x.y; r.m[1][1] = y.y; r.m[1][2] = z.y;
  r.m[2][0] = x.z; r.m[2][1] = y.z; r.m[2][2] = z.z;
  r.m[3][0] = -glm::dot(x, eye);
  r.m[3][1] = -glm::dot(y, eye);
  r.m[3][2] = -glm::dot(z, eye);
  r.m[3][3] = 1.0f;
  return r;
}

Matrix PerspectiveFovLH(float fovy, float aspect, float zn, float zf) {
  const float tangent = std::tan(fovy / 2.0f);
  Matrix r;
  r.m[0][0] = 1.0f / (aspect * tangent);
  r.m[1][1] = 1.0f / tangent;
  r.m[2][2] = zf / (zf - zn);
  r.m[2][3] = 1.0f;
  r.m[3][2] = (zf * zn) / (zn - zf);
  return r;
}

Matrix Scaling(float x, float y, float z) {
  Matrix r = Identity();
  r.m[0][0] = x;
  r.m[1][1] = y;
  r.m[2][2] = z;
  return r;
}

Matrix Translation(float x, float y, float z) {
  Matrix r = Identity();
  r.m[3][0] = x;
  r.m[3][1] = y;
  r.m[3][2] = z;
  return r;
}

Matrix RotationX(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  Matrix r = Identity();
  r.m[1][1] = c;  r.m[1][2] = s;
  r.m[2][1] = -s; r.m[2][2] = c;
  return r;
}

Matrix RotationY(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  Matrix r = Identity();
  r.m[0][0] = c; r.m[0][2] = -s;
  r.m[2][0] = s; r.m[2][2] = c;
  return r;
}

Matrix RotationZ(float angle) {
  const float c = std::cos(angle), s = std::sin(angle);
  Matrix r = Identity();
  r.m[0][0] = c;  r.m[0][1] = s;
  r.m[1][0] = -s; r.m[1][1] = c;
  return r;
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix r;
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] +
                  a.m[i][2] * b.m[2][j] + a.m[i][3] * b.m[3][j];
    }
  }
  return r;
}

Vector3 TransformCoord(Vector3 v, const Matrix& m) {
  float out[4];
  for (int j = 0; j < 4; ++j) {
    out[j] = v.x * m.m[0][j] + v.y * m.m[1][j] + v.z * m.m[2][j] + m.m[3][j];
  }
  return Vector3(out[0] / out[3], out[1] / out[3], out[2] / out[3]);
}

}  // namespace quillmoor
