#include "platform/sdl/SdlSurfacePresenter.h"

namespace zav {

SdlSurfacePresenter::SdlSurfacePresenter(SDL_Window* window) : window_(window) {
    // Otherwise SDL may back the window surface with a (software GL) texture and upload all of it
    // on every update, where the system's own framebuffer pushes just the changed rectangles.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

std::optional<FramebufferPresenter::Framebuffer> SdlSurfacePresenter::acquire() {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return std::nullopt;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return std::nullopt;
    locked_ = surface;
    return Framebuffer{static_cast<uint8_t*>(surface->pixels), surface->pitch, {surface->w, surface->h},
                       surface->format->format};
}

void SdlSurfacePresenter::push(const std::vector<SDL_Rect>& rects, bool whole) {
    if (SDL_MUSTLOCK(locked_)) SDL_UnlockSurface(locked_);
    if (whole)
        SDL_UpdateWindowSurface(window_);
    else if (!rects.empty())
        SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
}

}  // namespace zav
