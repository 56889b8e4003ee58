#include "platform/gl/gl_scene_renderer.h"

#include "platform/gl/gl_program.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

#include "platform/fatal_error.h"

namespace quillmoor {

namespace {

// Lit per vertex as the fixed-function pipeline does. Matrices come in
// row-vector order; read column by column they are their transposes, so
// M * v here is v M there. Clip z from [0, w] to GL's [-w, w].
constexpr const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 texcoord;
uniform mat4 worldViewProjection;
uniform mat4 world;
uniform bool lighting;
uniform vec3 towardLight;
uniform vec3 lightDiffuse;
uniform vec3 ambient;
uniform vec4 materialDiffuse;
uniform vec3 materialAmbient;
uniform vec3 materialEmissive;
out vec4 colour;
out vec2 uv;
void main() {
  vec4 clip = worldViewProjection * vec4(position, 1.0);
  gl_Position = vec4(clip.xy, 2.0 * clip.z - clip.w, clip.w);
  uv = texcoord;
  if (lighting) {
    vec3 n = mat3(world) * normal;
    if (dot(n, n) > 0.0) n = normalize(n);
    float facing = max(dot(n, towardLight), 0.0);
    vec3 rgb = ambient * materialAmbient + lightDiffuse * materialDiffuse.rgb * facing +
               materialEmissive;
    colour = clamp(vec4(rgb, materialDiffuse.a), 0.0, 1.0);
  } else {
    colour = vec4(1.0);
  }
}
)";

constexpr const char* kFragmentShader = R"(#version 330 core
uniform sampler2D image;
uniform bool textured;
in vec4 colour;
in vec2 uv;
out vec4 fragment;
void main() {
  fragment = textured ? colour * texture(image, uv) : colour;
}
)";

template <typename Key>
std::uint32_t Lookup(const std::map<Key, std::uint32_t>& values, const Key& key,
                     std::uint32_t otherwise) {
  const auto found = values.find(key);
  return found == values.end() ? otherwise : found->second;
}

std::uint32_t StageZero(const FixedFunctionState& state, TextureStageState which,
                        std::uint32_t otherwise) {
  return Lookup(state.textureStageStates, std::pair{0u, which}, otherwise);
}

// The lowest-numbered enabled directional light, if any.
const Light* DirectionalLight(const FixedFunctionState& state) {
  for (const auto& [index, light] : state.lights) {
    const auto enabled = state.lightEnabled.find(index);
    if (light.Type == LightType::Directional && enabled != state.lightEnabled.end() &&
        enabled->second) {
      return &light;
    }
  }
  return nullptr;
}

// Software rasterizers emulate anisotropic filtering with a loop of samples
// per pixel, which costs more than half the frame; they filter trilinearly.
bool AnisotropyIsCheap() {
  const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  const std::string name = renderer ? renderer : "";
  for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer"}) {
    if (name.find(software) != std::string::npos) return false;
  }
  return true;
}

}  // namespace

GlSceneRenderer::GlSceneRenderer() {
  program_ = LinkProgram(kVertexShader, kFragmentShader);
  const auto at = [&](const char* name) { return glGetUniformLocation(program_, name); };
  uniform_ = {at("worldViewProjection"), at("world"),           at("lighting"),
              at("towardLight"),         at("lightDiffuse"),    at("ambient"),
              at("materialDiffuse"),     at("materialAmbient"), at("materialEmissive"),
              at("textured"),            at("image")};
  glUseProgram(program_);
  glUniform1i(uniform_.image, 0);

  glGenSamplers(1, &sampler_);
  glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_T, GL_REPEAT);
  if ((epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
       epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic")) &&
      AnisotropyIsCheap()) {
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maxAnisotropy_);
  }
}

GlSceneRenderer::~GlSceneRenderer() {
  for (const auto& [buffer, array] : stripArrays_) glDeleteVertexArrays(1, &array);
  glDeleteSamplers(1, &sampler_);
  glDeleteProgram(program_);
}

void GlSceneRenderer::DrawSubset(const FixedFunctionState& state, const GlMesh& mesh,
                                 std::uint32_t subset, GLuint texture) {
  const Subset& part = mesh.subsets.at(subset);
  if (part.indexCount == 0) return;
  Prepare(state, texture);
  glBindVertexArray(mesh.vertexArray);
  glDrawElements(GL_TRIANGLES, GLsizei(part.indexCount), GL_UNSIGNED_INT,
                 reinterpret_cast<const void*>(std::size_t(part.firstIndex) * 4));
}

void GlSceneRenderer::DrawTriangleStrip(const FixedFunctionState& state, GLuint vertices,
                                        std::uint32_t startVertex, std::uint32_t triangles,
                                        GLuint texture) {
  if (triangles == 0) return;
  Prepare(state, texture);
  glBindVertexArray(StripVertexArray(vertices));
  glDrawArrays(GL_TRIANGLE_STRIP, GLint(startVertex), GLsizei(triangles + 2));
}

void GlSceneRenderer::Prepare(const FixedFunctionState& state, GLuint texture) {
  glUseProgram(program_);
  const Matrix worldViewProjection =
      Multiply(Multiply(state.world, state.view), state.projection);
  glUniformMatrix4fv(uniform_.worldViewProjection, 1, GL_FALSE, &worldViewProjection.m[0][0]);
  glUniformMatrix4fv(uniform_.world, 1, GL_FALSE, &state.world.m[0][0]);

  glUniform1i(uniform_.lighting, Lookup(state.renderStates, RenderState::Lighting, 1) != 0);
  const std::uint32_t level = Lookup(state.renderStates, RenderState::Ambient, 0);
  const auto channel = [&](int shift) { return float((level >> shift) & 0xFF) / 255.0f; };
  float ambient[3] = {channel(16), channel(8), channel(0)};
  float towardLight[3] = {0, 0, 0}, lightDiffuse[3] = {0, 0, 0};
  if (const Light* light = DirectionalLight(state)) {
    const Vector3 d = light->Direction;
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (length > 0) {
      towardLight[0] = -d.x / length;
      towardLight[1] = -d.y / length;
      towardLight[2] = -d.z / length;
    }
    lightDiffuse[0] = light->Diffuse.r;
    lightDiffuse[1] = light->Diffuse.g;
    lightDiffuse[2] = light->Diffuse.b;
    ambient[0] += light->Ambient.r;
    ambient[1] += light->Ambient.g;
    ambient[2] += light->Ambient.b;
  }
  glUniform3fv(uniform_.towardLight, 1, towardLight);
  glUniform3fv(uniform_.lightDiffuse, 1, lightDiffuse);
  glUniform3fv(uniform_.ambient, 1, ambient);
  const Material& material = state.material;
  glUniform4f(uniform_.materialDiffuse, material.Diffuse.r, material.Diffuse.g,
              material.Diffuse.b, material.Diffuse.a);
  glUniform3f(uniform_.materialAmbient, material.Ambient.r, material.Ambient.g,
              material.Ambient.b);
  glUniform3f(uniform_.materialEmissive, material.Emissive.r, material.Emissive.g,
              material.Emissive.b);

  glUniform1i(uniform_.textured, texture != 0);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, texture);
  // The sampler stays bound after the draw: unbinding it every draw costs
  // a third of the frame on a software renderer. Sprites unbind it.
  if (texture) {
    ApplyFilters(state);
    glBindSampler(0, sampler_);
  }
}

// Stage 0's filters; unset ones keep the classic defaults: point, no mipmaps.
void GlSceneRenderer::ApplyFilters(const FixedFunctionState& state) {
  const std::uint32_t mag = StageZero(state, TextureStageState::MagFilter, texfilter::Point);
  const std::uint32_t min = StageZero(state, TextureStageState::MinFilter, texfilter::Point);
  const std::uint32_t mip = StageZero(state, TextureStageState::MipFilter, texfilter::None);
  const bool minNearest = min == texfilter::Point || min == texfilter::None;
  Filters wanted;
  wanted.mag = mag == texfilter::Point || mag == texfilter::None ? GL_NEAREST : GL_LINEAR;
  if (mip == texfilter::Point) {
    wanted.min = minNearest ? GL_NEAREST_MIPMAP_NEAREST : GL_LINEAR_MIPMAP_NEAREST;
  } else if (mip == texfilter::None) {
    wanted.min = minNearest ? GL_NEAREST : GL_LINEAR;
  } else {
    wanted.min = minNearest ? GL_NEAREST_MIPMAP_LINEAR : GL_LINEAR_MIPMAP_LINEAR;
  }
  wanted.anisotropy = 1;
  if (min == texfilter::Anisotropic || mag == texfilter::Anisotropic) {
    const auto asked = float(StageZero(state, TextureStageState::MaxAnisotropy, 1));
    wanted.anisotropy = std::clamp(asked, 1.0f, maxAnisotropy_);
  }
  if (wanted == filters_) return;
  filters_ = wanted;
  glSamplerParameteri(sampler_, GL_TEXTURE_MAG_FILTER, wanted.mag);
  glSamplerParameteri(sampler_, GL_TEXTURE_MIN_FILTER, wanted.min);
  if (maxAnisotropy_ > 1) {
    glSamplerParameterf(sampler_, GL_TEXTURE_MAX_ANISOTROPY_EXT, wanted.anisotropy);
  }
}

GLuint GlSceneRenderer::StripVertexArray(GLuint vertices) {
  for (const auto& [buffer, array] : stripArrays_) {
    if (buffer == vertices) return array;
  }
  GLuint array = 0;
  glGenVertexArrays(1, &array);
  glBindVertexArray(array);
  glBindBuffer(GL_ARRAY_BUFFER, vertices);
  DescribeWorldVertices();
  stripArrays_.emplace_back(vertices, array);
  return array;
}

}  // namespace quillmoor
