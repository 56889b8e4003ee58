#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/recording/recording_graphics.h"

namespace quillmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

class RecordingLogNames : public ::testing::Test {
 protected:
  CallLog log_;
  RecordingDevice device_{log_, 8, 8};
};

TEST_F(RecordingLogNames, StatesAndEnumeratedValuesAreWrittenByName) {
  device_.SetRenderState(RenderState::SrcBlend, blend::SrcAlpha);
  device_.SetRenderState(RenderState::ZEnable, 0);
  device_.SetRenderState(RenderState::Ambient, 0x80);
  device_.SetTextureStageState(1, TextureStageState::MinFilter, texfilter::Point);
  device_.SetTextureStageState(1, TextureStageState::MaxAnisotropy, 2);
  device_.SetTransform(TransformType::Projection, Matrix{});
  device_.Clear(clear::ZBuffer, 0xFF102030, 1, 0);
  EXPECT_THAT(log_.calls,
              ElementsAre("SetRenderState SrcBlend SrcAlpha", "SetRenderState ZEnable false",
                          "SetRenderState Ambient 0x00000080",
                          "SetTextureStageState 1 MinFilter Point",
                          "SetTextureStageState 1 MaxAnisotropy 2",
                          StartsWith("SetTransform Projection 0 "),
                          "Clear ZBuffer 0xFF102030 1 0"));
}

TEST_F(RecordingLogNames, WhatHasNoNameIsWrittenAsItsNumber) {
  device_.SetRenderState(RenderState(8), 3);
  device_.SetRenderState(RenderState::CullMode, 9);
  device_.SetRenderState(RenderState::Lighting, 2);
  device_.SetTextureStageState(0, TextureStageState(5), 7);
  device_.Clear(clear::Target | 8, 0, 1, 0);
  EXPECT_THAT(log_.calls,
              ElementsAre("SetRenderState 8 3", "SetRenderState CullMode 9",
                          "SetRenderState Lighting 2", "SetTextureStageState 0 5 7",
                          "Clear Target|8 0x00000000 1 0"));
}

}  // namespace
}  // namespace quillmoor
