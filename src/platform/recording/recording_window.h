#pragma once

#include "platform/dialogs.h"
#include "platform/recording/call_log.h"
#include "platform/window.h"

namespace quillmoor {

class RecordingWindow final : public Window {
 public:
  explicit RecordingWindow(CallLog& log) : log_(log) {}
  void Maximize() override { log_.Add("Window.Maximize"); }
  void RemoveBorder() override { log_.Add("Window.RemoveBorder"); }
  void Show() override { log_.Add("Window.Show"); }
  int ShowCursor(bool show) override;
  void ToggleFullScreen() override { log_.Add("Window.ToggleFullScreen"); }

  int cursorCounter = 0;

 private:
  CallLog& log_;
};

class RecordingDialogs final : public Dialogs {
 public:
  explicit RecordingDialogs(CallLog& log) : log_(log) {}
  void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override;

 private:
  CallLog& log_;
};

}  // namespace quillmoor
