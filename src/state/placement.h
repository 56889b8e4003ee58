#pragma once

#include "platform/matrix.h"

namespace quillmoor {

// Where one drawn object stands.
struct Placement {
  float X = 0, Y = 0, Z = 0;
  float Angle = 0;  // degrees about the tube axis
  Matrix World;
};

}  // namespace quillmoor
