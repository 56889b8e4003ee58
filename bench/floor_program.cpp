// What the game's frame rate is measured against: one full-screen textured
// layer a frame. A hidden 800 x 600 window on SDL's offscreen driver, an
// OpenGL 3.3 core context, and each frame a clear and 200 alpha-blended
// quads of 40 x 60 pixels tiling the window once, all wearing one mipmapped
// 256 x 256 texture filtered trilinearly, then a swap and a glFinish.
//
//   quillmoor_floor_program [seconds]
//
// draws for the seconds (3 unless given) after a few frames of warm-up and
// prints "<frames> <seconds> <cpu seconds>" on one line: the CPU time of all
// the program's threads, the driver's too.

#include "bare_gl_window.h"
#include "cpu_seconds.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using quillmoor::bench::CpuSeconds;

constexpr int kWidth = 800, kHeight = 600;
constexpr int kColumns = 20, kRows = 10;  // quads of 40 x 60 pixels
constexpr int kTextureSize = 256;
constexpr int kWarmUpFrames = 10;

const char kVertexShader[] = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
out vec2 uv;
void main() {
  gl_Position = vec4(position, 0.0, 1.0);
  uv = texCoord;
}
)";

const char kFragmentShader[] = R"(#version 330 core
in vec2 uv;
uniform sampler2D image;
out vec4 fragment;
void main() { fragment = texture(image, uv); }
)";

GLuint Compile(GLenum kind, const char* source) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  return shader;
}

GLuint LinkProgram() {
  const GLuint program = glCreateProgram();
  const GLuint vertex = Compile(GL_VERTEX_SHADER, kVertexShader);
  const GLuint fragment = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
  glAttachShader(program, vertex);
  glAttachShader(program, fragment);
  glLinkProgram(program);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint linked = 0;
  glGetProgramiv(program, GL_LINK_STATUS, &linked);
  return linked ? program : 0;
}

// Rings of colour with a partly transparent checker, so blending has work.
GLuint MakeTexture() {
  std::vector<unsigned char> texels(std::size_t(kTextureSize) * kTextureSize * 4);
  for (int y = 0; y < kTextureSize; ++y) {
    for (int x = 0; x < kTextureSize; ++x) {
      unsigned char* texel = &texels[(std::size_t(y) * kTextureSize + x) * 4];
      texel[0] = static_cast<unsigned char>(x);
      texel[1] = static_cast<unsigned char>(y);
      texel[2] = static_cast<unsigned char>((x * y) >> 8);
      texel[3] = ((x / 16 + y / 16) % 2) ? 255 : 128;
    }
  }
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kTextureSize, kTextureSize, 0, GL_RGBA,
               GL_UNSIGNED_BYTE, texels.data());
  glGenerateMipmap(GL_TEXTURE_2D);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return texture;
}

// Two triangles a quad, in clip space, each quad showing the whole texture.
std::vector<float> TileVertices() {
  std::vector<float> vertices;
  const float width = 2.0f / kColumns, height = 2.0f / kRows;
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const float left = -1 + column * width, bottom = -1 + row * height;
      const float corners[4][4] = {{left, bottom, 0, 0},
                                   {left + width, bottom, 1, 0},
                                   {left + width, bottom + height, 1, 1},
                                   {left, bottom + height, 0, 1}};
      for (int index : {0, 1, 2, 0, 2, 3}) {
        vertices.insert(vertices.end(), corners[index], corners[index] + 4);
      }
    }
  }
  return vertices;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
  quillmoor::bench::BareGlWindow gl;
  if (!quillmoor::bench::OpenBareGlWindow("floor", gl)) return 1;
  SDL_Window* window = gl.window;
  SDL_GLContext context = gl.context;
  SDL_GL_SetSwapInterval(0);

  const GLuint program = LinkProgram();
  if (!program) {
    std::fprintf(stderr, "the shaders do not link\n");
    return 1;
  }
  glUseProgram(program);
  glUniform1i(glGetUniformLocation(program, "image"), 0);
  const GLuint texture = MakeTexture();
  const std::vector<float> vertices = TileVertices();
  GLuint vertexArray = 0, buffer = 0;
  glGenVertexArrays(1, &vertexArray);
  glBindVertexArray(vertexArray);
  glGenBuffers(1, &buffer);
  glBindBuffer(GL_ARRAY_BUFFER, buffer);
  glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(),
               GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 4 * sizeof(float),
                        reinterpret_cast<const void*>(2 * sizeof(float)));
  glViewport(0, 0, kWidth, kHeight);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, texture);
  glClearColor(0.1f, 0.2f, 0.3f, 1.0f);

  const auto frame = [&] {
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(vertices.size() / 4));
    SDL_GL_SwapWindow(window);
    glFinish();
  };
  for (int i = 0; i < kWarmUpFrames; ++i) frame();
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const double cpuStart = CpuSeconds();
  long frames = 0;
  double elapsed = 0;
  do {
    frame();
    ++frames;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < seconds);
  std::printf("%ld %.6f %.6f\n", frames, elapsed, CpuSeconds() - cpuStart);

  glDeleteBuffers(1, &buffer);
  glDeleteVertexArrays(1, &vertexArray);
  glDeleteTextures(1, &texture);
  glDeleteProgram(program);
  SDL_GL_DeleteContext(context);
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
