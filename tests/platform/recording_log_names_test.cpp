#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/recording/recording_graphics.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

// Named states and values are written by name, anything else as its number.
TEST(RecordingLogNames, StatesAndValuesAreWrittenByNameElseAsNumbers) {
  CallLog log;
  RecordingDevice device{log, 8, 8};
  device.SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
  device.SetRenderState(RenderState::ZEnable, 0);
  device.SetRenderState(RenderState::Ambient, 0x80);
  device.SetTextureStageState(1, TextureStageState::MinFilter, texfilter::Point);
  device.SetTextureStageState(1, TextureStageState::MaxAnisotropy, 2);
  device.SetTransform(TransformType::Projection, Matrix{});
  device.Clear(clear::ZBuffer, 0xFF102030, 1, 0);
  device.SetRenderState(RenderState(8), 3);
  device.SetRenderState(RenderState::CullMode, 9);
  device.SetRenderState(RenderState::Lighting, 2);
  device.SetTextureStageState(0, TextureStageState(5), 7);
  device.Clear(clear::Target | 8, 0, 1, 0);
  EXPECT_THAT(log.calls,
              ElementsAre("SetRenderState SrcBlend SrcAlpha", "SetRenderState ZEnable false",
                          "SetRenderState Ambient 0x00000080",
                          "SetTextureStageState 1 MinFilter Point",
                          "SetTextureStageState 1 MaxAnisotropy 2",
                          StartsWith("SetTransform Projection 0 "), "Clear ZBuffer 0xFF102030 1 0",
                          "SetRenderState 8 3", "SetRenderState CullMode 9",
                          "SetRenderState Lighting 2", "SetTextureStageState 0 5 7",
                          "Clear Target|8 0x00000000 1 0"));
}

}  // namespace
}  // namespace quillmoor
