#include "platform/recording/graphics_names.h"

#include <cstdio>
#include <span>
#include <string_view>

namespace quillmoor {

namespace {

struct Named {
  std::uint32_t value;
  std::string_view name;
};

// An entry named by its own identifier.
#define QUILLMOOR_NAMED(scope, id) Named{std::uint32_t(scope::id), #id}

constexpr Named kRenderStates[] = {
    QUILLMOOR_NAMED(RenderState, ZEnable),          QUILLMOOR_NAMED(RenderState, ZWriteEnable),
    QUILLMOOR_NAMED(RenderState, SrcBlend),
    QUILLMOOR_NAMED(RenderState, DestBlend),        QUILLMOOR_NAMED(RenderState, CullMode),
    QUILLMOOR_NAMED(RenderState, AlphaBlendEnable), QUILLMOOR_NAMED(RenderState, Lighting),
    QUILLMOOR_NAMED(RenderState, Ambient),
};

constexpr Named kBlends[] = {
    QUILLMOOR_NAMED(blend, Zero),      QUILLMOOR_NAMED(blend, One),
    QUILLMOOR_NAMED(blend, SrcColor),  QUILLMOOR_NAMED(blend, InvSrcColor),
    QUILLMOOR_NAMED(blend, SrcAlpha),  QUILLMOOR_NAMED(blend, InvSrcAlpha),
    QUILLMOOR_NAMED(blend, DestAlpha), QUILLMOOR_NAMED(blend, InvDestAlpha),
    QUILLMOOR_NAMED(blend, DestColor), QUILLMOOR_NAMED(blend, InvDestColor),
};

constexpr Named kCullModes[] = {
    QUILLMOOR_NAMED(cull, None),
    QUILLMOOR_NAMED(cull, Clockwise),
    QUILLMOOR_NAMED(cull, CounterClockwise),
};

constexpr Named kTextureStageStates[] = {
    QUILLMOOR_NAMED(TextureStageState, MagFilter),
    QUILLMOOR_NAMED(TextureStageState, MinFilter),
    QUILLMOOR_NAMED(TextureStageState, MipFilter),
    QUILLMOOR_NAMED(TextureStageState, MaxAnisotropy),
};

constexpr Named kFilters[] = {
    QUILLMOOR_NAMED(texfilter, None),
    QUILLMOOR_NAMED(texfilter, Point),
    QUILLMOOR_NAMED(texfilter, Linear),
    QUILLMOOR_NAMED(texfilter, Anisotropic),
};

constexpr Named kTransformTypes[] = {
    QUILLMOOR_NAMED(TransformType, View),
    QUILLMOOR_NAMED(TransformType, Projection),
    QUILLMOOR_NAMED(TransformType, World),
};

constexpr Named kClearFlags[] = {
    QUILLMOOR_NAMED(clear, Target),
    QUILLMOOR_NAMED(clear, ZBuffer),
};

#undef QUILLMOOR_NAMED

constexpr Named kBooleans[] = {{0, "false"}, {1, "true"}};

std::string NameIn(std::span<const Named> names, std::uint32_t value) {
  for (const Named& named : names) {
    if (named.value == value) return std::string(named.name);
  }
  return std::to_string(value);
}

}  // namespace

std::string RenderStateName(RenderState state) {
  return NameIn(kRenderStates, std::uint32_t(state));
}

std::string RenderStateValueName(RenderState state, std::uint32_t value) {
  switch (state) {
    case RenderState::ZEnable:
    case RenderState::ZWriteEnable:
    case RenderState::AlphaBlendEnable:
    case RenderState::Lighting:
      return NameIn(kBooleans, value);
    case RenderState::SrcBlend:
    case RenderState::DestBlend:
      return NameIn(kBlends, value);
    case RenderState::CullMode:
      return NameIn(kCullModes, value);
    case RenderState::Ambient:
      return ColourName(value);
  }
  return std::to_string(value);
}

std::string TextureStageStateName(TextureStageState state) {
  return NameIn(kTextureStageStates, std::uint32_t(state));
}

std::string TextureStageValueName(TextureStageState state, std::uint32_t value) {
  switch (state) {
    case TextureStageState::MagFilter:
    case TextureStageState::MinFilter:
    case TextureStageState::MipFilter:
      return NameIn(kFilters, value);
    case TextureStageState::MaxAnisotropy:
      break;
  }
  return std::to_string(value);
}

std::string TransformTypeName(TransformType type) {
  return NameIn(kTransformTypes, std::uint32_t(type));
}

std::string ClearFlagsName(std::uint32_t flags) {
  std::string text;
  for (const Named& flag : kClearFlags) {
    if ((flags & flag.value) == 0) continue;
    if (!text.empty()) text += '|';
    text += flag.name;
    flags &= ~flag.value;
  }
  if (flags != 0 || text.empty()) {
    if (!text.empty()) text += '|';
    text += std::to_string(flags);
  }
  return text;
}

std::string BoolName(bool value) { return NameIn(kBooleans, value ? 1 : 0); }

std::string ColourName(std::uint32_t argb) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", argb);
  return text;
}

}  // namespace quillmoor
