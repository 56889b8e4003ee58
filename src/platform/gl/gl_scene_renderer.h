#pragma once

#include <epoxy/gl.h>

#include <utility>
#include <vector>

#include "platform/gl/gl_resources.h"
#include "platform/gl/gl_state.h"

namespace quillmoor {

// Draws meshes and vertex-buffer strips as the fixed-function pipeline
// would: the transforms, the light, the material, texture stage 0 and the
// render states of the state given. Lighting is per vertex; the texture
// modulates colour and alpha.
class GlSceneRenderer {
 public:
  GlSceneRenderer();
  ~GlSceneRenderer();
  GlSceneRenderer(const GlSceneRenderer&) = delete;
  GlSceneRenderer& operator=(const GlSceneRenderer&) = delete;

  void DrawSubset(const FixedFunctionState& state, const GlMesh& mesh, std::uint32_t subset,
                  GLuint texture);
  void DrawTriangleStrip(const FixedFunctionState& state, GLuint vertices,
                         std::uint32_t startVertex, std::uint32_t triangles, GLuint texture);

 private:
  // The sampler filters of texture stage 0, as last given to the sampler.
  struct Filters {
    GLint min = 0, mag = 0;
    GLfloat anisotropy = 0;
    bool operator==(const Filters&) const = default;
  };

  // Uses the program with the state's uniforms and binds the texture.
  void Prepare(const FixedFunctionState& state, GLuint texture);
  void ApplyFilters(const FixedFunctionState& state);
  GLuint StripVertexArray(GLuint vertices);

  GLuint program_ = 0;
  GLuint sampler_ = 0;
  Filters filters_;
  GLfloat maxAnisotropy_ = 1;  // 1: no anisotropic filtering here
  struct {
    GLint worldViewProjection, world, lighting, towardLight, lightDiffuse, ambient,
        materialDiffuse, materialAmbient, materialEmissive, textured, image;
  } uniform_{};
  // A vertex array for each vertex buffer drawn as strips: (buffer, array).
  std::vector<std::pair<GLuint, GLuint>> stripArrays_;
};

}  // namespace quillmoor
