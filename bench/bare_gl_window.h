#pragma once

// A hidden 800 x 600 window on SDL's offscreen driver with the game's OpenGL
// 3.3 core context, made the way the game makes its own: for the programs the
// benchmarks measure the game against.

#include <SDL.h>
#include <epoxy/gl.h>

#include <cstdio>

#include "platform/sdl/gl_context_attributes.h"

namespace quillmoor::bench {

struct BareGlWindow {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
};

// Nothing made, and the reason printed, when there is no such context.
inline bool OpenBareGlWindow(const char* title, BareGlWindow& out) {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
    return false;
  }
  AskForGlContext();
  out.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!out.window) {
    std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
    return false;
  }
  out.context = SDL_GL_CreateContext(out.window);
  if (!out.context || epoxy_gl_version() < 33) {
    std::fprintf(stderr, "no OpenGL 3.3 core context: %s\n", SDL_GetError());
    return false;
  }
  return true;
}

}  // namespace quillmoor::bench
