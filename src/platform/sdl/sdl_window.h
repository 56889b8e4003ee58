#pragma once

#include "platform/input.h"
#include "platform/sdl/sdl_gamepads.h"
#include "platform/window.h"

struct SDL_Window;

namespace quillmoor {

// The game window through SDL: an OpenGL window of 800 x 600, made hidden
// when first needed. With the offscreen driver it needs no display at all.
class SdlWindow final : public Window, public EventSource {
 public:
  enum class Driver { Native, Offscreen };

  explicit SdlWindow(Driver driver);
  ~SdlWindow() override;
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // The window, made on first use; null (with the reason printed) when
  // there is no video device.
  SDL_Window* Handle();
  // The window when it has been made, else null.
  SDL_Window* Existing() const { return window_; }

  // Full screen at the desktop's size; a hidden window goes full screen
  // when it is shown. False when the system refuses.
  bool EnterFullScreen();

  void Maximize() override;
  void RemoveBorder() override;
  void Show() override;
  int ShowCursor(bool show) override;
  void ToggleFullScreen() override;

  bool PollEvent(InputEvent& event) override;
  bool WaitEvent(InputEvent& event, double timeoutSeconds) override;

 private:
  bool Translate(const void* sdlEvent, InputEvent& event);
  void ApplyCursor();

  Driver driver_;
  bool videoStarted_ = false;
  SDL_Window* window_ = nullptr;
  bool maximized_ = false;
  bool fullScreen_ = false;
  bool shown_ = false;
  int cursorCounter_ = 0;
  SdlGamepads gamepads_;
};

}  // namespace quillmoor
