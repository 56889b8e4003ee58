// The least a program can do to show a frame the way the game does: a hidden
// window on SDL's offscreen driver, an OpenGL 3.3 core context, one clear and
// one present. The start-up benchmark measures the game against it.

#include "bare_gl_window.h"

int main() {
  quillmoor::bench::BareGlWindow gl;
  if (!quillmoor::bench::OpenBareGlWindow("bare", gl)) return 1;
  SDL_ShowWindow(gl.window);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  SDL_GL_SwapWindow(gl.window);
  glFinish();
  SDL_GL_DeleteContext(gl.context);
  SDL_DestroyWindow(gl.window);
  SDL_Quit();
  return 0;
}
