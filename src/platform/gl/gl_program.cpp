#include "platform/gl/gl_program.h"

#include <string>

#include "platform/fatal_error.h"

namespace quillmoor {

namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& log) {
  throw FatalError("Невозможно подготовить шейдер OpenGL (" + what + "): " + log);
}

GLuint CompileShader(GLenum kind, const char* source) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint compiled = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  if (compiled) return shader;
  std::string log(4096, '\0');
  GLsizei length = 0;
  glGetShaderInfoLog(shader, GLsizei(log.size()), &length, log.data());
  glDeleteShader(shader);
  log.resize(std::size_t(length));
  Fail(kind == GL_VERTEX_SHADER ? "vertex" : "fragment", log);
}

}  // namespace

GLuint LinkProgram(const char* vertexSource, const char* fragmentSource) {
  const GLuint vertex = CompileShader(GL_VERTEX_SHADER, vertexSource);
  GLuint fragment = 0;
  try {
    fragment = CompileShader(GL_FRAGMENT_SHADER, fragmentSource);
  } catch (...) {
    glDeleteShader(vertex);
    throw;
  }
  const GLuint program = glCreateProgram();
  glAttachShader(program, vertex);
  glAttachShader(program, fragment);
  glLinkProgram(program);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  GLint linked = GL_FALSE;
  glGetProgramiv(program, GL_LINK_STATUS, &linked);
  if (linked) return program;
  std::string log(4096, '\0');
  GLsizei length = 0;
  glGetProgramInfoLog(program, GLsizei(log.size()), &length, log.data());
  glDeleteProgram(program);
  log.resize(std::size_t(length));
  Fail("link", log);
}

}  // namespace quillmoor
