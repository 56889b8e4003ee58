#pragma once

#include <span>

#include <glm/vec2.hpp>

#include "assets/models/mesh_part.h"

namespace quillmoor::assets {

// Parts shared by the player's craft and the menu flyer. Noses point to +z.

// An engine bell around (centre.x, centre.y), open to the back at exitZ.
Part EngineBell(glm::vec2 centre, float radius, float exitZ, float length);
// The hot core inside such a bell, facing back.
Part EngineCore(glm::vec2 centre, float radius, float exitZ, float length);
// A flat plate at heights y0 .. y1 with the given (x, z) outline (convex,
// on the +x side), and its mirror image on the -x side.
Part WingPair(std::span<const glm::vec2> outlineXz, float y0, float y1);
// An upright fin centred on x with the given (z, y) outline (convex).
Part Fin(std::span<const glm::vec2> outlineZy, float x, float thickness);

}  // namespace quillmoor::assets
