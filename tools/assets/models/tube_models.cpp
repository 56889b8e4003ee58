// The tube pieces: 30 units of bore along +z, ridden from the inside. The
// floor shell covers the lower 200 degrees (the craft keeps within 80 either
// side of the bottom); above it the roof is open between ring frames, so the
// sky and the asteroid show through. All three share the bore and the floor;
// they differ in their frames and roof.

#include <vector>

#include "assets/models/mesh_part.h"
#include "assets/models/model_builders.h"
#include "assets/models/shapes.h"

namespace quillmoor::assets {

namespace {

constexpr float kLength = 30;
// Floor facets stay above 2.70 from the axis: clear of the pads' tops (2.65).
constexpr float kFloorInner = 2.71f;
constexpr float kFloorOuter = 2.95f;
constexpr float kFloorEdge = 100;  // degrees either side of the bottom
// Nothing reaches further out than this: the asteroid passes 3.17 away.
constexpr float kFrameOuter = 3.1f;
constexpr float kTile = 6;

enum Material { kFloor, kFrame, kLight };

std::vector<ModelMaterial> TubeMaterials() {
  const char* texture = "t-crete_beton_7.res";
  return {MakeMaterial("Floor", 1, 1, 1, texture),
          MakeMaterial("Frame", 0.78f, 0.82f, 0.9f, texture),
          MakeMaterial("Light", 0.6f, 0.9f, 1, texture)};
}

Part Arc(float inner, float outer, float zFrom, float zTo, float fromDegrees, float toDegrees,
         int segments) {
  return ArcSlab({inner, outer, zFrom, zTo, fromDegrees, toDegrees, segments, kTile});
}

// The same arc on both sides of the bottom.
Part ArcPair(float inner, float outer, float zFrom, float zTo, float fromDegrees, float toDegrees) {
  Part part = Arc(inner, outer, zFrom, zTo, fromDegrees, toDegrees, 2);
  Merge(part, Arc(inner, outer, zFrom, zTo, -toDegrees, -fromDegrees, 2));
  return part;
}

// A ring frame of the given width along z.
Part Frame(float z, float width, float inner) {
  return Arc(inner, kFrameOuter, z, z + width, 0, 360, 32);
}

// What every piece has: the floor shell, a guide-light curb along each of its
// edges and two stringers underneath.
std::vector<MaterialPart> CommonParts() {
  std::vector<MaterialPart> parts;
  parts.push_back({Arc(kFloorInner, kFloorOuter, 0, kLength, -kFloorEdge, kFloorEdge, 24), kFloor});
  parts.push_back({ArcPair(2.66f, 2.78f, 0, kLength, kFloorEdge - 4, kFloorEdge + 4), kLight});
  parts.push_back({ArcPair(kFloorOuter - 0.01f, 3.05f, 0, kLength, 22, 28), kFrame});
  return parts;
}

ModelMesh Assembled(const char* name, const std::vector<MaterialPart>& parts) {
  return Assemble(name, TubeMaterials(), parts);
}

}  // namespace

// Three slim frames, one every 10 units.
ModelMesh TubeModel() {
  std::vector<MaterialPart> parts = CommonParts();
  Part frames;
  for (const float z : {0.0f, 10.0f, 20.0f}) Merge(frames, Frame(z, 0.6f, 2.76f));
  parts.push_back({frames, kFrame});
  return Assembled("truba", parts);
}

// Two heavy frames with lamps, joined by three beams along the roof.
ModelMesh TrussTubeModel() {
  std::vector<MaterialPart> parts = CommonParts();
  Part frames, beams, lamps;
  for (const float z : {0.0f, 15.0f}) {
    Merge(frames, Frame(z, 1.2f, 2.74f));
    for (const float a : {135.0f, 225.0f})
      Merge(lamps, Arc(2.7f, 2.75f, z + 0.3f, z + 0.9f, a - 4, a + 4, 2));
  }
  for (const float a : {145.0f, 180.0f, 215.0f}) {
    Merge(beams, Arc(2.8f, 2.96f, 0, kLength, a - 3, a + 3, 2));
  }
  parts.push_back({frames, kFrame});
  parts.push_back({beams, kFrame});
  parts.push_back({lamps, kLight});
  return Assembled("truba2", parts);
}

// Four slim frames; between the second and third the roof is closed by a
// panel with two strips of light along it.
ModelMesh RoofTubeModel() {
  std::vector<MaterialPart> parts = CommonParts();
  Part frames, lights;
  for (const float z : {0.0f, 7.5f, 15.0f, 22.5f}) Merge(frames, Frame(z, 0.5f, 2.76f));
  Merge(frames, Arc(2.76f, 2.9f, 8, 15, kFloorEdge, 360 - kFloorEdge, 16));
  for (const float a : {150.0f, 210.0f})
    Merge(lights, Arc(2.72f, 2.77f, 8.6f, 14.4f, a - 2, a + 2, 2));
  parts.push_back({frames, kFrame});
  parts.push_back({lights, kLight});
  return Assembled("truba3", parts);
}

}  // namespace quillmoor::assets
