#include "platform/matrix.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillmoor {
namespace {

void ExpectNear(const Matrix& actual, const float (&expected)[4][4], float tolerance = 1e-5f) {
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      EXPECT_NEAR(actual.m[r][c], expected[r][c], tolerance) << "row " << r << ", column " << c;
    }
  }
}

void ExpectPoint(Vector3 actual, Vector3 expected) {
  const float a[] = {actual.x, actual.y, actual.z}, e[] = {expected.x, expected.y, expected.z};
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(a[i], e[i], 1e-6f) << "coordinate " << i;
}

TEST(Matrix, LookAtLeftHanded) {
  const float alongTheTube[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 2, 0, 1}};
  ExpectNear(LookAtLH(vec3(0, -2, 0), vec3(0, -2, 1), vec3(0, 1, 0)), alongTheTube, 0);
  // Worked by hand: z = (11, -2, 0) / sqrt(125), x = (0, 0, -1), y = z cross x.
  const float menuPose[4][4] = {{0, 0.17888544f, 0.98386991f, 0},
                                {0, 0.98386991f, -0.17888544f, 0},
                                {-1, 0, 0, 0},
                                {-9, -5.0982350f, 11.0908973f, 1}};
  const Matrix view = LookAtLH(vec3(-10, 7, -9), vec3(1, 5, -9), vec3(0, 1, 0));
  ExpectNear(view, menuPose);
  ExpectPoint(TransformCoord(vec3(-10, 7, -9), view), vec3(0, 0, 0));
}

TEST(Matrix, PerspectiveFovLeftHanded) {
  const float expected[4][4] = {{1.8107195f, 0, 0, 0},
                                {0, 2.4142926f, 0, 0},
                                {0, 0, 1.0001667f, 1},
                                {0, 0, -0.0500083f, 0}};
  ExpectNear(PerspectiveFovLH(0.785375f, 4.0f / 3.0f, 0.05f, 300.0f), expected);
}

TEST(Matrix, RotationsTurnTheAxesLeftHanded) {
  const float quarter = 1.5707964f;
  ExpectPoint(TransformCoord(vec3(1, 0, 0), RotationZ(quarter)), vec3(0, 1, 0));
  ExpectPoint(TransformCoord(vec3(0, 1, 0), RotationX(quarter)), vec3(0, 0, 1));
  ExpectPoint(TransformCoord(vec3(1, 0, 0), RotationY(quarter)), vec3(0, 0, -1));
  const float rz[4][4] = {{0.6f, 0.8f, 0, 0}, {-0.8f, 0.6f, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
  ExpectNear(RotationZ(std::atan2(0.8f, 0.6f)), rz);
}

TEST(Matrix, TheLeftFactorActsFirst) {
  const Matrix scaleThenMove = Multiply(Scaling(2, 2, 2), Translation(1, 0, 0));
  const Matrix moveThenScale = Multiply(Translation(1, 0, 0), Scaling(2, 2, 2));
  ExpectPoint(TransformCoord(vec3(1, 0, 0), scaleThenMove), vec3(3, 0, 0));
  ExpectPoint(TransformCoord(vec3(1, 0, 0), moveThenScale), vec3(4, 0, 0));
  EXPECT_EQ(Multiply(Identity(), scaleThenMove), scaleThenMove);
}

}  // namespace
}  // namespace quillmoor
