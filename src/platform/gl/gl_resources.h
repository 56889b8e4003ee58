#pragma once

#include <epoxy/gl.h>

#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/image.h"
#include "platform/model_file.h"

namespace quillmoor {

// Points the bound vertex array's attributes 0, 1, 2 at the position, normal
// and texture coordinates of WorldVertex data in the bound buffer.
void DescribeWorldVertices();

// A model on the GPU: one vertex array, its subsets as index ranges.
struct GlMesh {
  GLuint vertexArray = 0, vertices = 0, indices = 0;
  std::vector<Subset> subsets;
};

// A texture and its size in texels.
struct GlTexture {
  GLuint name = 0;
  int width = 0, height = 0;
  bool bottomUp = false;  // drawn into by a render target: its first row is the bottom
  int holds = 1;          // creations not yet released
};

struct GlRenderTarget {
  GLuint framebuffer = 0, depth = 0;
  TextureId texture;
  int width = 0, height = 0;
};

// The textures, meshes, vertex buffers and render targets of one device.
// An image file becomes one texture however often it is asked for.
class GlResources {
 public:
  GlResources() = default;
  ~GlResources();
  GlResources(const GlResources&) = delete;
  GlResources& operator=(const GlResources&) = delete;

  std::optional<LoadedMesh> LoadMesh(const std::filesystem::path& file);
  TextureId TextureFromFile(const std::filesystem::path& file);
  TextureId AddTexture(const Image& image);
  RenderTarget AddRenderTarget(int width, int height);
  VertexBufferId AddVertexBuffer(std::span<const WorldVertex> vertices);

  void ReleaseTexture(TextureId id);
  void ReleaseMesh(MeshId id);
  void ReleaseVertexBuffer(VertexBufferId id);

  GLuint Texture(TextureId id) const;
  GlTexture TextureInfo(TextureId id) const;
  const GlMesh* Mesh(MeshId id) const;
  GLuint VertexBuffer(VertexBufferId id) const;
  const GlRenderTarget* Target(RenderTargetId id) const;

 private:
  std::vector<GlTexture> textures_;  // by id - 1
  std::map<std::string, TextureId> texturesByFile_;
  std::vector<GlMesh> meshes_;
  std::vector<GLuint> vertexBuffers_;
  std::vector<GlRenderTarget> targets_;
  XFileReader models_;
};

}  // namespace quillmoor
