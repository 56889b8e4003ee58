#include "frame/scene_states.h"

#include "platform/graphics.h"

namespace quillmoor {

void SetSceneStates(GraphicsDevice& device) {
  device.SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
  device.SetRenderState(RenderState::DestBlend, blend::InvSrcAlpha);
  device.SetTextureStageState(0, TextureStageState::MipFilter, texfilter::Linear);
  device.SetTextureStageState(0, TextureStageState::MagFilter, texfilter::Linear);
  device.SetTextureStageState(0, TextureStageState::MinFilter, texfilter::Anisotropic);
  device.SetTextureStageState(0, TextureStageState::MaxAnisotropy, 4);
}

}  // namespace quillmoor
