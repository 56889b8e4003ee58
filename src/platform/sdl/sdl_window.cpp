#include "platform/sdl/sdl_window.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "platform/letterbox.h"
#include "platform/sdl/gl_context_attributes.h"

namespace quillmoor {

namespace {

constexpr int kWidth = 800, kHeight = 600;

// A key by its place on the keyboard, whatever the layout makes it type:
// the virtual-key code of the key at that place on a US layout.
int VirtualKeyOf(SDL_Scancode code) {
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 'A' + int(code - SDL_SCANCODE_A);
  if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return '1' + int(code - SDL_SCANCODE_1);
  if (code >= SDL_SCANCODE_F1 && code <= SDL_SCANCODE_F12) return 0x70 + int(code - SDL_SCANCODE_F1);
  if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9) {
    return 0x61 + int(code - SDL_SCANCODE_KP_1);
  }
  switch (code) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_KP_0: return 0x60;
    case SDL_SCANCODE_BACKSPACE: return vk::Back;
    case SDL_SCANCODE_TAB: return 0x09;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return vk::Return;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return 0x10;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return 0x11;
    case SDL_SCANCODE_PAUSE: return 0x13;
    case SDL_SCANCODE_CAPSLOCK: return 0x14;
    case SDL_SCANCODE_ESCAPE: return vk::Escape;
    case SDL_SCANCODE_SPACE: return 0x20;
    case SDL_SCANCODE_PAGEUP: return 0x21;
    case SDL_SCANCODE_PAGEDOWN: return 0x22;
    case SDL_SCANCODE_END: return 0x23;
    case SDL_SCANCODE_HOME: return 0x24;
    case SDL_SCANCODE_LEFT: return vk::Left;
    case SDL_SCANCODE_UP: return vk::Up;
    case SDL_SCANCODE_RIGHT: return vk::Right;
    case SDL_SCANCODE_DOWN: return vk::Down;
    case SDL_SCANCODE_INSERT: return 0x2D;
    case SDL_SCANCODE_DELETE: return 0x2E;
    case SDL_SCANCODE_KP_MULTIPLY: return 0x6A;
    case SDL_SCANCODE_KP_PLUS: return 0x6B;
    case SDL_SCANCODE_KP_MINUS: return 0x6D;
    case SDL_SCANCODE_KP_PERIOD: return 0x6E;
    case SDL_SCANCODE_KP_DIVIDE: return 0x6F;
    case SDL_SCANCODE_SEMICOLON: return 0xBA;
    case SDL_SCANCODE_EQUALS: return 0xBB;
    case SDL_SCANCODE_COMMA: return 0xBC;
    case SDL_SCANCODE_MINUS: return 0xBD;
    case SDL_SCANCODE_PERIOD: return 0xBE;
    case SDL_SCANCODE_SLASH: return 0xBF;
    case SDL_SCANCODE_GRAVE: return 0xC0;
    case SDL_SCANCODE_LEFTBRACKET: return 0xDB;
    case SDL_SCANCODE_BACKSLASH: return 0xDC;
    case SDL_SCANCODE_RIGHTBRACKET: return 0xDD;
    case SDL_SCANCODE_APOSTROPHE: return 0xDE;
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
  AskForGlContext();

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
      event.key = VirtualKeyOf(e.key.keysym.scancode);
      event.alt = (e.key.keysym.mod & KMOD_ALT) != 0;
      event.repeat = e.key.repeat != 0;
      return event.key != 0;
    case SDL_WINDOWEVENT:
      event.kind = InputEvent::Kind::FocusLost;
      return e.window.event == SDL_WINDOWEVENT_FOCUS_LOST;
    case SDL_TEXTINPUT:
      event.kind = InputEvent::Kind::TextInput;
      event.text = e.text.text;
      return true;
    default:
      return gamepads_.Translate(&e, event);
  }
}

}  // namespace quillmoor
