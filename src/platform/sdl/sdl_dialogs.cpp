#include "platform/sdl/sdl_dialogs.h"

#include <SDL.h>

#include <string>

#include "platform/headless/console_dialogs.h"
#include "platform/sdl/sdl_window.h"

namespace quillmoor {

void SdlDialogs::ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) {
  PrintMessage(text);
  Uint32 flags = 0;
  if (icon == MessageIcon::Critical) flags = SDL_MESSAGEBOX_ERROR;
  if (icon == MessageIcon::Information) flags = SDL_MESSAGEBOX_INFORMATION;
  // Without a display there is no box to show: the printed line stands.
  SDL_ShowSimpleMessageBox(flags, std::string(title).c_str(), std::string(text).c_str(),
                           window_.Existing());
}

}  // namespace quillmoor
