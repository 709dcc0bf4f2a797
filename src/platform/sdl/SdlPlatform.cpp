#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

namespace zav {

namespace {

constexpr Uint32 kSubsystems = SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS;

}  // namespace

SdlVideoSession::SdlVideoSession() {
    // Closing the window reports a close of its own; SDL's extra quit event would report it twice.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_InitSubSystem(kSubsystems) != 0)
        throw std::runtime_error(std::string("cannot start SDL video: ") + SDL_GetError());
}

SdlVideoSession::~SdlVideoSession() {
    SDL_QuitSubSystem(kSubsystems);
    // The audio device may still hold its own subsystem; SDL ends when the last one goes.
    if (SDL_WasInit(0) == 0) SDL_Quit();
}

}  // namespace zav
