#pragma once

#include <string>

#include "assets/models/model_mesh.h"

namespace quillmoor::assets {

// The model as a DirectX .X text file ("xof 0303txt 0032"): one Mesh with
// its normals, texture coordinates and material list. Numbers are written
// in their shortest form that reads back to the same single.
std::string XFileText(const ModelMesh& model);

}  // namespace quillmoor::assets
