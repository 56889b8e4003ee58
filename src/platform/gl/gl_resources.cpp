#include "platform/gl/gl_resources.h"

#include <algorithm>

#include "platform/fatal_error.h"
#include "platform/image_file.h"

namespace quillmoor {

namespace {

template <typename Id, typename T>
Id NextId(const std::vector<T>& items) {
  return Id{static_cast<std::uint32_t>(items.size())};
}

// The levels down to 1 x 1.
GLsizei LevelCount(int width, int height) {
  GLsizei levels = 1;
  for (; width > 1 || height > 1; ++levels) {
    width = std::max(1, width / 2);
    height = std::max(1, height / 2);
  }
  return levels;
}

// All levels' storage at once where the driver can: specifying them one
// by one makes a driver keep each level apart and then copy them all into
// one piece, holding both at the peak.
bool HasTextureStorage() {
  return epoxy_gl_version() >= 42 || epoxy_has_gl_extension("GL_ARB_texture_storage");
}

// The next smaller mipmap level: each pixel the mean of up to 2 x 2.
Image HalfSize(const Image& image) {
  Image half{std::max(1, image.width / 2), std::max(1, image.height / 2), {}};
  half.rgba.resize(std::size_t(half.width) * half.height * 4);
  const std::uint8_t* source = image.rgba.data();
  std::uint8_t* out = half.rgba.data();
  for (int y = 0; y < half.height; ++y) {
    const int y0 = std::min(2 * y, image.height - 1), y1 = std::min(2 * y + 1, image.height - 1);
    const std::uint8_t* row0 = source + std::size_t(y0) * image.width * 4;
    const std::uint8_t* row1 = source + std::size_t(y1) * image.width * 4;
    for (int x = 0; x < half.width; ++x) {
      const std::size_t x0 = std::size_t(std::min(2 * x, image.width - 1)) * 4;
      const std::size_t x1 = std::size_t(std::min(2 * x + 1, image.width - 1)) * 4;
      for (int c = 0; c < 4; ++c) {
        *out++ = std::uint8_t(
            (unsigned(row0[x0 + c]) + row0[x1 + c] + row1[x0 + c] + row1[x1 + c] + 2) / 4);
      }
    }
  }
  return half;
}

// Every level down to 1 x 1, made here: much quicker than asking a software
// renderer for them.
void UploadWithMipmaps(const Image& image) {
  const bool storage = HasTextureStorage();
  if (storage) {
    glTexStorage2D(GL_TEXTURE_2D, LevelCount(image.width, image.height), GL_RGBA8, image.width,
                   image.height);
  }
  const auto put = [storage](GLint n, const Image& level) {
    if (storage) {
      glTexSubImage2D(GL_TEXTURE_2D, n, 0, 0, level.width, level.height, GL_RGBA,
                      GL_UNSIGNED_BYTE, level.rgba.data());
    } else {
      glTexImage2D(GL_TEXTURE_2D, n, GL_RGBA8, level.width, level.height, 0, GL_RGBA,
                   GL_UNSIGNED_BYTE, level.rgba.data());
    }
  };
  put(0, image);
  const Image* above = &image;
  Image level;
  for (GLint n = 1; above->width > 1 || above->height > 1; ++n) {
    level = HalfSize(*above);
    put(n, level);
    above = &level;
  }
}

}  // namespace

void DescribeWorldVertices() {
  constexpr GLsizei stride = sizeof(WorldVertex);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(WorldVertex, NX)));
  glEnableVertexAttribArray(2);
  glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(WorldVertex, TU)));
}

GlResources::~GlResources() {
  for (const GlRenderTarget& target : targets_) {
    glDeleteFramebuffers(1, &target.framebuffer);
    glDeleteRenderbuffers(1, &target.depth);
  }
  for (const GlMesh& mesh : meshes_) {
    glDeleteVertexArrays(1, &mesh.vertexArray);
    glDeleteBuffers(1, &mesh.vertices);
    glDeleteBuffers(1, &mesh.indices);
  }
  if (!vertexBuffers_.empty()) glDeleteBuffers(GLsizei(vertexBuffers_.size()), vertexBuffers_.data());
  for (const GlTexture& texture : textures_) glDeleteTextures(1, &texture.name);
}

std::optional<LoadedMesh> GlResources::LoadMesh(const std::filesystem::path& file) {
  const std::optional<ModelGeometry> model = models_.ReadFile(file);
  if (!model) return std::nullopt;
  GlMesh mesh;
  mesh.subsets = model->subsets;
  glGenVertexArrays(1, &mesh.vertexArray);
  glBindVertexArray(mesh.vertexArray);
  glGenBuffers(1, &mesh.vertices);
  glBindBuffer(GL_ARRAY_BUFFER, mesh.vertices);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(model->vertices.size() * sizeof(WorldVertex)),
               model->vertices.data(), GL_STATIC_DRAW);
  DescribeWorldVertices();
  glGenBuffers(1, &mesh.indices);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mesh.indices);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(model->indices.size() * sizeof(std::uint32_t)),
               model->indices.data(), GL_STATIC_DRAW);
  glBindVertexArray(0);
  meshes_.push_back(std::move(mesh));
  return LoadedMesh{NextId<MeshId>(meshes_), model->materials};
}

TextureId GlResources::TextureFromFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::string key = std::filesystem::weakly_canonical(file, error).string();
  if (const auto known = texturesByFile_.find(key); known != texturesByFile_.end()) {
    ++textures_[known->second.value - 1].holds;
    return known->second;
  }
  const std::optional<Image> image = ReadImageFile(file);
  if (!image) return TextureId{};
  return texturesByFile_[key] = AddTexture(*image);
}

TextureId GlResources::AddTexture(const Image& image) {
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  if (image.rgba.empty()) {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
  } else {
    UploadWithMipmaps(image);
  }
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  textures_.push_back({texture, image.width, image.height});
  return NextId<TextureId>(textures_);
}

RenderTarget GlResources::AddRenderTarget(int width, int height) {
  GlRenderTarget target{0, 0, AddTexture(Image{width, height, {}}), width, height};
  textures_[target.texture.value - 1].bottomUp = true;
  glBindTexture(GL_TEXTURE_2D, Texture(target.texture));
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glGenRenderbuffers(1, &target.depth);
  glBindRenderbuffer(GL_RENDERBUFFER, target.depth);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
  glGenFramebuffers(1, &target.framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                         Texture(target.texture), 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, target.depth);
  const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  targets_.push_back(target);
  if (!complete) throw FatalError("Невозможно создать текстуру для отрисовки OpenGL.");
  return RenderTarget{NextId<RenderTargetId>(targets_), target.texture};
}

VertexBufferId GlResources::AddVertexBuffer(std::span<const WorldVertex> vertices) {
  GLuint buffer = 0;
  glGenBuffers(1, &buffer);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size_bytes()), vertices.data(),
               GL_STATIC_DRAW);
  vertexBuffers_.push_back(buffer);
  return NextId<VertexBufferId>(vertexBuffers_);
}

GLuint GlResources::Texture(TextureId id) const { return TextureInfo(id).name; }

GlTexture GlResources::TextureInfo(TextureId id) const {
  return id && id.value <= textures_.size() ? textures_[id.value - 1] : GlTexture{};
}

const GlMesh* GlResources::Mesh(MeshId id) const {
  return id && id.value <= meshes_.size() ? &meshes_[id.value - 1] : nullptr;
}

GLuint GlResources::VertexBuffer(VertexBufferId id) const {
  return id && id.value <= vertexBuffers_.size() ? vertexBuffers_[id.value - 1] : 0;
}

void GlResources::ReleaseTexture(TextureId id) {
  if (!id || id.value > textures_.size()) return;
  GlTexture& texture = textures_[id.value - 1];
  if (texture.name == 0 || --texture.holds > 0) return;
  glDeleteTextures(1, &texture.name);
  texture.name = 0;
  std::erase_if(texturesByFile_, [&](const auto& entry) { return entry.second == id; });
}

void GlResources::ReleaseMesh(MeshId id) {
  if (!id || id.value > meshes_.size()) return;
  GlMesh& mesh = meshes_[id.value - 1];
  glDeleteVertexArrays(1, &mesh.vertexArray);
  glDeleteBuffers(1, &mesh.vertices);
  glDeleteBuffers(1, &mesh.indices);
  mesh = GlMesh{};
}

void GlResources::ReleaseVertexBuffer(VertexBufferId id) {
  if (!id || id.value > vertexBuffers_.size()) return;
  glDeleteBuffers(1, &vertexBuffers_[id.value - 1]);
  vertexBuffers_[id.value - 1] = 0;
}

const GlRenderTarget* GlResources::Target(RenderTargetId id) const {
  return id && id.value <= targets_.size() ? &targets_[id.value - 1] : nullptr;
}

}  // namespace quillmoor
