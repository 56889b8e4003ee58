#pragma once

#include "platform/dialogs.h"

namespace quillmoor {

// Messages for a run without a screen: printed to stderr only.
class ConsoleDialogs final : public Dialogs {
 public:
  void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
};

// The line every message box also prints.
void PrintMessage(std::string_view text);

}  // namespace quillmoor
