#pragma once

#include "platform/dialogs.h"

namespace quillmoor {

class SdlWindow;

// Message boxes through SDL, over the game window when it exists.
class SdlDialogs final : public Dialogs {
 public:
  explicit SdlDialogs(SdlWindow& window) : window_(window) {}
  void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override;

 private:
  SdlWindow& window_;
};

}  // namespace quillmoor
