#pragma once

#include <cstdint>
#include <string>

#include "platform/graphics.h"

namespace quillmoor {

// How the recording device writes graphics values into the call log: states
// and enumerated values by their identifiers in graphics.h, booleans as
// true or false, colours as 0xAARRGGBB. A value with no name is written as
// its decimal number.
std::string RenderStateName(RenderState state);
std::string RenderStateValueName(RenderState state, std::uint32_t value);
std::string TextureStageStateName(TextureStageState state);
std::string TextureStageValueName(TextureStageState state, std::uint32_t value);
std::string TransformTypeName(TransformType type);
// The flags' names joined by '|', bits without a name as one number after them.
std::string ClearFlagsName(std::uint32_t flags);
std::string BoolName(bool value);
std::string ColourName(std::uint32_t argb);

}  // namespace quillmoor
