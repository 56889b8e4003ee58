#pragma once

#include <epoxy/gl.h>

namespace quillmoor {

// The GL state a sprite draw changes, saved when made and put back when
// gone, so the device's render states stay as the game set them.
class SavedSpriteState {
 public:
  SavedSpriteState() {
    depthTest_ = glIsEnabled(GL_DEPTH_TEST);
    blend_ = glIsEnabled(GL_BLEND);
    cullFace_ = glIsEnabled(GL_CULL_FACE);
    glGetIntegerv(GL_BLEND_SRC_RGB, &sourceRgb_);
    glGetIntegerv(GL_BLEND_DST_RGB, &destRgb_);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &sourceAlpha_);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &destAlpha_);
    glGetIntegerv(GL_CURRENT_PROGRAM, &program_);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray_);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer_);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture_);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture_);
    glGetIntegerv(GL_SAMPLER_BINDING, &sampler_);
  }

  ~SavedSpriteState() {
    Set(GL_DEPTH_TEST, depthTest_);
    Set(GL_BLEND, blend_);
    Set(GL_CULL_FACE, cullFace_);
    glBlendFuncSeparate(GLenum(sourceRgb_), GLenum(destRgb_), GLenum(sourceAlpha_),
                        GLenum(destAlpha_));
    glUseProgram(GLuint(program_));
    glBindVertexArray(GLuint(vertexArray_));
    glBindBuffer(GL_ARRAY_BUFFER, GLuint(arrayBuffer_));
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, GLuint(texture_));
    glBindSampler(0, GLuint(sampler_));
    glActiveTexture(GLenum(activeTexture_));
  }

  SavedSpriteState(const SavedSpriteState&) = delete;
  SavedSpriteState& operator=(const SavedSpriteState&) = delete;

 private:
  static void Set(GLenum capability, GLboolean on) {
    on ? glEnable(capability) : glDisable(capability);
  }

  GLboolean depthTest_, blend_, cullFace_;
  GLint sourceRgb_ = 0, destRgb_ = 0, sourceAlpha_ = 0, destAlpha_ = 0;
  GLint program_ = 0, vertexArray_ = 0, arrayBuffer_ = 0, activeTexture_ = 0, texture_ = 0,
        sampler_ = 0;
};

}  // namespace quillmoor
