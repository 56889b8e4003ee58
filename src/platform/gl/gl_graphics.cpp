#include "platform/gl/gl_graphics.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <iostream>

#include "platform/gl/gl_device.h"
#include "platform/sdl/sdl_window.h"

namespace quillmoor {

namespace {

std::unique_ptr<GraphicsDevice> Refuse(const char* what) {
  std::cerr << what << ": " << SDL_GetError() << std::endl;
  return nullptr;
}

// Drawable pixels per window unit: 2 on a high-density screen, else 1.
int PixelDensity(SDL_Window* window) {
  int windowWidth = 0, windowHeight = 0, pixelWidth = 0, pixelHeight = 0;
  SDL_GetWindowSize(window, &windowWidth, &windowHeight);
  SDL_GL_GetDrawableSize(window, &pixelWidth, &pixelHeight);
  if (windowWidth <= 0 || windowHeight <= 0) return 1;
  return std::clamp(std::min(pixelWidth / windowWidth, pixelHeight / windowHeight), 1, 4);
}

}  // namespace

std::unique_ptr<GraphicsDevice> GlGraphicsSystem::CreateDevice(
    const PresentParameters& parameters) {
  SDL_Window* window = window_.Handle();
  if (!window) return nullptr;
  if (!parameters.Windowed && !window_.EnterFullScreen()) return Refuse("SDL full screen");
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (!context) return Refuse("SDL OpenGL context");
  if (epoxy_gl_version() < 33) {
    std::cerr << "OpenGL 3.3 is needed; this system offers " << epoxy_gl_version() / 10 << '.'
              << epoxy_gl_version() % 10 << std::endl;
    SDL_GL_DeleteContext(context);
    return nullptr;
  }

  int width = parameters.BackBufferWidth, height = parameters.BackBufferHeight;
  if (parameters.Windowed || width <= 0 || height <= 0) SDL_GetWindowSize(window, &width, &height);
  return std::make_unique<GlDevice>(window, context, width, height, PixelDensity(window), swap_);
}

}  // namespace quillmoor
