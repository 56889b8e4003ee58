#pragma once

#include <string_view>

#include "platform/fatal_error.h"

namespace quillmoor {

constexpr std::string_view kProgramTitle = "Quillmoor";

// Message boxes with one OK button. Every message is also printed to stderr.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) = 0;
};

}  // namespace quillmoor
