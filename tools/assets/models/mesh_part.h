#pragma once

#include <span>
#include <vector>

#include <glm/mat4x4.hpp>

#include "assets/models/model_mesh.h"

namespace quillmoor::assets {

// Geometry of one material, in the model's coordinates.
struct Part {
  std::vector<ModelVertex> vertices;
  std::vector<Triangle> triangles;
};

// A part and the index of the material it is drawn with.
struct MaterialPart {
  Part part;
  int material = 0;
};

// Adds a convex polygon, corners in order around it. Its triangles face the
// side its corners' normals point to; corners that repeat the one before
// are dropped, and fewer than three corners add nothing.
void AddPolygon(Part& part, std::vector<ModelVertex> corners);

// The same, with every corner given the polygon's own normal, turned to the
// side of `outside`.
void AddFlatPolygon(Part& part, std::vector<ModelVertex> corners, glm::vec3 outside);

// Adds the other part's geometry to the part.
void Merge(Part& part, const Part& other);

// Moves the part by the matrix (column vectors: matrix * position); a
// mirroring matrix keeps the triangles facing out.
void Transform(Part& part, const glm::mat4& matrix);

// The part and its mirror image in the plane x = 0.
Part WithMirrorX(const Part& part);

// Projects the texture onto the parts along the axis each vertex normal is
// closest to: top views for up and down, side views for the rest. The
// longest side of the parts' common bounds spans 0 .. 1.
void BoxMapUvs(std::span<MaterialPart> parts);

// The model made of the parts; vertices of one material that agree in
// everything are shared.
ModelMesh Assemble(std::string name, std::vector<ModelMaterial> materials,
                   std::span<const MaterialPart> parts);

}  // namespace quillmoor::assets
