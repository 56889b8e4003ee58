#include "platform/sdl/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "platform/letterbox.h"

namespace quillmoor {

namespace {

constexpr int kWidth = 800, kHeight = 600;

int VirtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + int(key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + int(key - SDLK_0);
  switch (key) {
    case SDLK_BACKSPACE: return vk::Back;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return vk::Return;
    case SDLK_ESCAPE: return vk::Escape;
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_SPACE: return 0x20;
    default: return 0;
  }
}

MouseButton ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return MouseButton::Left;
    case SDL_BUTTON_RIGHT: return MouseButton::Right;
    default: return MouseButton::Middle;  // middle and the extra buttons
  }
}

}  // namespace

SdlWindow::SdlWindow(Driver driver) : driver_(driver) {}

SdlWindow::~SdlWindow() {
  if (window_) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

SDL_Window* SdlWindow::Handle() {
  if (window_) return window_;
  if (!videoStarted_) {
    if (driver_ == Driver::Offscreen) SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      std::cerr << "SDL: " << SDL_GetError() << std::endl;
      return nullptr;
    }
    videoStarted_ = true;
    // A machine without pads plays on without them.
    gamepads_.Start();
  }
  // Every frame is drawn off screen and copied to the window, so the
  // window needs neither depth nor alpha.
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);

  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE |
                 SDL_WINDOW_ALLOW_HIGHDPI;
  if (maximized_) flags |= SDL_WINDOW_MAXIMIZED;
  window_ = SDL_CreateWindow("Quillmoor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kWidth,
                             kHeight, flags);
  if (!window_) {
    std::cerr << "SDL: " << SDL_GetError() << std::endl;
    return nullptr;
  }
  ApplyCursor();
  return window_;
}

void SdlWindow::Maximize() {
  maximized_ = true;
  if (window_) SDL_MaximizeWindow(window_);
}

void SdlWindow::RemoveBorder() {
  if (Handle()) SDL_SetWindowBordered(window_, SDL_FALSE);
}

bool SdlWindow::EnterFullScreen() {
  fullScreen_ = true;
  if (!Handle()) return false;
  return !shown_ || SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void SdlWindow::ToggleFullScreen() {
  fullScreen_ = !fullScreen_;
  if (window_ && shown_) {
    SDL_SetWindowFullscreen(window_, fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  }
}

void SdlWindow::Show() {
  if (!Handle()) return;
  SDL_ShowWindow(window_);
  shown_ = true;
  if (fullScreen_) SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

int SdlWindow::ShowCursor(bool show) {
  cursorCounter_ += show ? 1 : -1;
  ApplyCursor();
  return cursorCounter_;
}

void SdlWindow::ApplyCursor() {
  if (videoStarted_) SDL_ShowCursor(cursorCounter_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

bool SdlWindow::PollEvent(InputEvent& event) {
  if (!videoStarted_) return false;
  SDL_Event sdlEvent;
  while (SDL_PollEvent(&sdlEvent)) {
    if (Translate(&sdlEvent, event)) return true;
  }
  return false;
}

bool SdlWindow::WaitEvent(InputEvent& event, double timeoutSeconds) {
  if (!videoStarted_) return false;
  const int timeout = std::max(0, int(std::ceil(timeoutSeconds * 1000.0)));
  SDL_Event sdlEvent;
  return SDL_WaitEventTimeout(&sdlEvent, timeout) && Translate(&sdlEvent, event);
}

bool SdlWindow::Translate(const void* raw, InputEvent& event) {
  const SDL_Event& e = *static_cast<const SDL_Event*>(raw);
  auto logical = [&](int x, int y) {
    int width = 0, height = 0;
    SDL_GetWindowSize(window_, &width, &height);
    const Rect picture = FitPicture(width, height, kWidth, kHeight);
    if (picture.width <= 0 || picture.height <= 0) return;
    event.x = float(double(x - picture.x) * kWidth / picture.width);
    event.y = float(double(y - picture.y) * kHeight / picture.height);
  };
  event = InputEvent{};
  switch (e.type) {
    case SDL_QUIT:
      event.kind = InputEvent::Kind::Quit;
      return true;
    case SDL_MOUSEMOTION:
      event.kind = InputEvent::Kind::MouseMove;
      logical(e.motion.x, e.motion.y);
      return true;
    case SDL_MOUSEBUTTONDOWN:
      event.kind = InputEvent::Kind::MouseDown;
      event.button = ButtonOf(e.button.button);
      logical(e.button.x, e.button.y);
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      event.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
      event.key = VirtualKeyOf(e.key.keysym.sym);
      return event.key != 0;
    case SDL_TEXTINPUT:
      event.kind = InputEvent::Kind::TextInput;
      event.text = e.text.text;
      return true;
    default:
      return gamepads_.Translate(&e, event);
  }
}

}  // namespace quillmoor
