#include "platform/sdl/SdlNativeDialogs.h"

#include <SDL.h>

namespace zav {

void SdlNativeDialogs::showMessage(const std::string& caption, const std::string& text, MessageIcon icon) {
    const Uint32 flags = icon == MessageIcon::Stop ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    // Where no box can be drawn (no display at all) the caller's copy on standard error remains.
    SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), nullptr);
}

}  // namespace zav
