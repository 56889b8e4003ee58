#include "platform/gl/gl_sprite_renderer.h"

#include "platform/gl/gl_program.h"

#include <cmath>
#include <string>
#include <vector>

#include "platform/fatal_error.h"
#include "platform/gl/gl_sprite_state.h"

namespace quillmoor {

namespace {

const char kVertexShader[] = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
uniform vec2 targetSize;
out vec2 uv;
void main() {
  // Pixels from the top left to clip space, whose y points up.
  vec2 unit = position / targetSize;
  gl_Position = vec4(unit.x * 2.0 - 1.0, 1.0 - unit.y * 2.0, 0.0, 1.0);
  uv = texCoord;
}
)";

const char kFragmentShader[] = R"(#version 330 core
in vec2 uv;
uniform sampler2D image;
uniform vec4 colour;
out vec4 fragment;
void main() { fragment = texture(image, uv) * colour; }
)";

struct SpriteVertex {
  float x, y, u, v;
};

float Channel(Argb colour, int shift) { return float((colour >> shift) & 0xFF) / 255.0f; }

}  // namespace

std::array<Vector2, 4> SpriteCorners(const SpriteDraw& sprite, float width, float height) {
  const Vector2 centre = sprite.rotationCentre.value_or(Vector2{});
  const float cosine = std::cos(sprite.rotation), sine = std::sin(sprite.rotation);
  std::array<Vector2, 4> corners{
      Vector2{0, 0}, Vector2{width, 0}, Vector2{width, height}, Vector2{0, height}};
  for (Vector2& corner : corners) {
    // Scaled about the top left, turned about the centre (clockwise on a
    // screen whose y points down), then moved.
    const float x = corner.x * sprite.scaling.x - centre.x;
    const float y = corner.y * sprite.scaling.y - centre.y;
    corner = {centre.x + x * cosine - y * sine + sprite.translation.x,
              centre.y + x * sine + y * cosine + sprite.translation.y};
  }
  return corners;
}

GlSpriteRenderer::GlSpriteRenderer() : program_(LinkProgram(kVertexShader, kFragmentShader)) {
  targetSize_ = glGetUniformLocation(program_, "targetSize");
  colour_ = glGetUniformLocation(program_, "colour");
  GLint previousProgram = 0, previousArray = 0, previousBuffer = 0;
  glGetIntegerv(GL_CURRENT_PROGRAM, &previousProgram);
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &previousArray);
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &previousBuffer);
  glUseProgram(program_);
  glUniform1i(glGetUniformLocation(program_, "image"), 0);

  glGenVertexArrays(1, &vertexArray_);
  glGenBuffers(1, &vertexBuffer_);
  glBindVertexArray(vertexArray_);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(SpriteVertex), nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(SpriteVertex),
                        reinterpret_cast<const void*>(2 * sizeof(float)));

  // Edges clamped, so a magnified border does not pick up the opposite one.
  glGenSamplers(1, &sampler_);
  glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glSamplerParameteri(sampler_, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glSamplerParameteri(sampler_, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

  glUseProgram(GLuint(previousProgram));
  glBindVertexArray(GLuint(previousArray));
  glBindBuffer(GL_ARRAY_BUFFER, GLuint(previousBuffer));
}

GlSpriteRenderer::~GlSpriteRenderer() {
  glDeleteSamplers(1, &sampler_);
  glDeleteBuffers(1, &vertexBuffer_);
  glDeleteVertexArrays(1, &vertexArray_);
  glDeleteProgram(program_);
}

void GlSpriteRenderer::Draw(const SpriteDraw& sprite, const GlTexture& texture,
                            int targetWidth, int targetHeight) {
  if (texture.width <= 0 || texture.height <= 0) return;
  const TexelRect source = sprite.source.value_or(TexelRect{0, 0, texture.width, texture.height});
  const float width = float(texture.width), height = float(texture.height);
  // Texel rows count from the top; a render target's rows lie bottom first.
  const auto row = [&](int y) { return texture.bottomUp ? 1 - float(y) / height : float(y) / height; };
  const SpriteQuad quad{
      SpriteCorners(sprite, float(source.right - source.left), float(source.bottom - source.top)),
      {float(source.left) / width, row(source.top)},
      {float(source.right) / width, row(source.bottom)}};
  DrawQuads({&quad, 1}, texture.name, sprite.colour, targetWidth, targetHeight);
}

void GlSpriteRenderer::DrawQuads(std::span<const SpriteQuad> quads, GLuint texture, Argb colour,
                                 int targetWidth, int targetHeight) {
  if (quads.empty() || targetWidth <= 0 || targetHeight <= 0) return;
  std::vector<SpriteVertex> vertices;
  vertices.reserve(quads.size() * 6);
  for (const SpriteQuad& quad : quads) {
    const Vector2 uv0 = quad.uvTopLeft, uv1 = quad.uvBottomRight;
    const SpriteVertex corners[4] = {{quad.corners[0].x, quad.corners[0].y, uv0.x, uv0.y},
                                     {quad.corners[1].x, quad.corners[1].y, uv1.x, uv0.y},
                                     {quad.corners[2].x, quad.corners[2].y, uv1.x, uv1.y},
                                     {quad.corners[3].x, quad.corners[3].y, uv0.x, uv1.y}};
    for (int index : {0, 1, 2, 0, 2, 3}) vertices.push_back(corners[index]);
  }

  const SavedSpriteState saved;
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glUseProgram(program_);
  glUniform2f(targetSize_, float(targetWidth), float(targetHeight));
  glUniform4f(colour_, Channel(colour, 16), Channel(colour, 8), Channel(colour, 0),
              Channel(colour, 24));
  glBindTexture(GL_TEXTURE_2D, texture);
  glBindSampler(0, sampler_);
  glBindVertexArray(vertexArray_);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(SpriteVertex)),
               vertices.data(), GL_STREAM_DRAW);
  glDrawArrays(GL_TRIANGLES, 0, GLsizei(vertices.size()));
}

}  // namespace quillmoor
