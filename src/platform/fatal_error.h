#pragma once

#include <stdexcept>
#include <string>

namespace quillmoor {

enum class MessageIcon { None, Critical, Information };

// An error that ends the program: shown to the player, printed, exit 1.
class FatalError : public std::runtime_error {
 public:
  explicit FatalError(const std::string& message, MessageIcon icon = MessageIcon::Critical)
      : std::runtime_error(message), icon_(icon) {}
  MessageIcon icon() const { return icon_; }

 private:
  MessageIcon icon_;
};

}  // namespace quillmoor
