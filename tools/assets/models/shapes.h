#pragma once

#include <span>
#include <vector>

#include <glm/vec3.hpp>

#include "assets/models/mesh_part.h"

namespace quillmoor::assets {

// Angles around the z axis count from -y towards +x, as the craft's angle
// around the tube does: 0 is the floor, 90 the right-hand wall.
glm::vec3 AroundZ(float radius, float degrees, float z);

// A point of a lathe profile: distance from the z axis, height along it, and
// the texture's v there.
struct ProfilePoint {
  float radius = 0;
  float z = 0;
  float v = 0;
};

// How far a lathe turns; u runs from 0 to uRepeat over the turn.
struct Sweep {
  float fromDegrees = 0;
  float toDegrees = 360;
  int segments = 16;
  float uRepeat = 1;
};

enum class Shading { Smooth, Flat };

// The profile turned about the z axis, one band per profile segment (the
// bands meet at sharp edges). A segment faces the side on its right when it
// is walked with the radius growing to the right and z growing upwards.
Part Lathe(std::span<const ProfilePoint> profile, const Sweep& sweep,
           Shading shading = Shading::Smooth);

// A thick-walled ring, or a sector of one, around the z axis: inner and outer
// walls, both ends and, for a sector, its two side faces. The texture repeats
// every `tile` units along z and about as often around the inner wall: a
// whole number of times when the arc is longer than a tile, so that the
// image's edges meet where the arc begins, in its middle and at its end.
struct ArcSlabShape {
  float innerRadius = 1;
  float outerRadius = 2;
  float zFrom = 0;
  float zTo = 1;
  float fromDegrees = 0;
  float toDegrees = 360;
  int segments = 32;
  float tile = 5;
};
Part ArcSlab(const ArcSlabShape& shape);

// Loft, Prism and Box leave the texture coordinates to BoxMapUvs.

// A body lofted along z through elliptic sections, flat-faced, ends closed.
struct LoftSection {
  float z = 0;
  float centreY = 0;
  float halfWidth = 0;
  float halfHeight = 0;
};
Part Loft(std::span<const LoftSection> sections, int sides);

// The convex outline (corners in order) swept by `depth`: a flat-faced prism.
Part Prism(std::span<const glm::vec3> outline, glm::vec3 depth);

// A flat-faced box between two corners.
Part Box(glm::vec3 low, glm::vec3 high);

// The unit icosphere: 20 triangles, each split in four `subdivisions` times.
struct PointMesh {
  std::vector<glm::vec3> points;
  std::vector<Triangle> triangles;
};
PointMesh Icosphere(int subdivisions);

}  // namespace quillmoor::assets
