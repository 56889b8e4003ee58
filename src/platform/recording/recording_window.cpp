#include "platform/recording/recording_window.h"

#include <string>

namespace quillmoor {

int RecordingWindow::ShowCursor(bool show) {
  cursorCounter += show ? 1 : -1;
  log_.Add("Window.ShowCursor " + std::string(show ? "1" : "0") + " -> " +
           std::to_string(cursorCounter));
  return cursorCounter;
}

void RecordingDialogs::ShowMessage(std::string_view title, std::string_view text,
                                   MessageIcon icon) {
  const char* iconName = icon == MessageIcon::Critical      ? "critical"
                         : icon == MessageIcon::Information ? "information"
                                                            : "none";
  log_.Add("Dialog " + std::string(title) + " [" + iconName + "] " + std::string(text));
}

}  // namespace quillmoor
