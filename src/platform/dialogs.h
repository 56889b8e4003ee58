#pragma once

#include <string>
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

// A problem the game goes on after, and what it means for the player.
inline void ShowTrouble(Dialogs& dialogs, std::string_view problem, std::string_view consequence) {
  dialogs.ShowMessage("Что-то не так:(", std::string(problem) + "\r\n" + std::string(consequence),
                      MessageIcon::Information);
}

}  // namespace quillmoor
