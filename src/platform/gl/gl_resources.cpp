#include "platform/gl/gl_resources.h"

#include "platform/fatal_error.h"
#include "platform/image_file.h"

namespace quillmoor {

namespace {

template <typename Id, typename T>
Id NextId(const std::vector<T>& items) {
  return Id{static_cast<std::uint32_t>(items.size())};
}

// Vertex attributes as the shaders take them: position, normal, texture.
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

}  // namespace

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
  if (!textures_.empty()) glDeleteTextures(GLsizei(textures_.size()), textures_.data());
}

std::optional<LoadedMesh> GlResources::LoadMesh(const std::filesystem::path& file) {
  const std::optional<ModelGeometry> model = ReadXFile(file);
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
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               image.rgba.empty() ? nullptr : image.rgba.data());
  glGenerateMipmap(GL_TEXTURE_2D);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  textures_.push_back(texture);
  return NextId<TextureId>(textures_);
}

RenderTarget GlResources::AddRenderTarget(int width, int height) {
  GlRenderTarget target{0, 0, AddTexture(Image{width, height, {}}), width, height};
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

GLuint GlResources::Texture(TextureId id) const {
  return id && id.value <= textures_.size() ? textures_[id.value - 1] : 0;
}

const GlMesh* GlResources::Mesh(MeshId id) const {
  return id && id.value <= meshes_.size() ? &meshes_[id.value - 1] : nullptr;
}

GLuint GlResources::VertexBuffer(VertexBufferId id) const {
  return id && id.value <= vertexBuffers_.size() ? vertexBuffers_[id.value - 1] : 0;
}

const GlRenderTarget* GlResources::Target(RenderTargetId id) const {
  return id && id.value <= targets_.size() ? &targets_[id.value - 1] : nullptr;
}

}  // namespace quillmoor
