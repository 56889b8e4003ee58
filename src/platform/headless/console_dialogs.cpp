#include "platform/headless/console_dialogs.h"

#include <iostream>

namespace quillmoor {

void PrintMessage(std::string_view text) { std::cerr << text << std::endl; }

void ConsoleDialogs::ShowMessage(std::string_view, std::string_view text, MessageIcon) {
  PrintMessage(text);
}

}  // namespace quillmoor
