#pragma once

namespace quillmoor {

// The game's one window. It exists, hidden, from the start; Show makes it
// visible.
class Window {
 public:
  virtual ~Window() = default;
  virtual void Maximize() = 0;
  virtual void RemoveBorder() = 0;
  virtual void Show() = 0;
  // The cursor's display counter: +1 to show, -1 to hide; the cursor is
  // visible while the counter is 0 or more. Returns the new counter.
  virtual int ShowCursor(bool show) = 0;
  // Between the window and desktop full screen, the picture's aspect kept.
  virtual void ToggleFullScreen() = 0;
};

// Hide or show the pointer whatever was done to its counter before.
inline void HidePointer(Window& window) {
  while (window.ShowCursor(false) >= 0) {
  }
}
inline void ShowPointer(Window& window) {
  while (window.ShowCursor(true) < 0) {
  }
}

}  // namespace quillmoor
