#pragma once

#include <array>
#include <map>

#include "platform/graphics.h"

namespace quillmoor {

// The fixed-function state the drawing code sets, kept for the shaders.
struct FixedFunctionState {
  std::map<RenderState, std::uint32_t> renderStates;
  std::map<std::pair<std::uint32_t, TextureStageState>, std::uint32_t> textureStageStates;
  Matrix world = Identity(), view = Identity(), projection = Identity();
  std::map<std::uint32_t, Light> lights;
  std::map<std::uint32_t, bool> lightEnabled;
  Material material;
  std::array<TextureId, 8> textures{};
};

}  // namespace quillmoor
