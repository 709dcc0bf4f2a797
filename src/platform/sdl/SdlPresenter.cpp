#include "platform/sdl/SdlPresenter.h"

#include <cstdlib>
#include <cstring>

#include "platform/sdl/SdlSurfacePresenter.h"
#include "platform/sdl/SdlTexturePresenter.h"

namespace zav {

namespace {

// Software renderers count as none: the window surface moves fewer bytes for small changes.
SDL_Renderer* acceleratedRenderer(SDL_Window* window) {
    if (std::getenv("ZAV_SOFTWARE_PRESENT")) return nullptr;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) return nullptr;
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_ACCELERATED) &&
        std::strcmp(info.name, "software") != 0)
        return renderer;
    SDL_DestroyRenderer(renderer);
    return nullptr;
}

}  // namespace

std::unique_ptr<SdlPresenter> makeSdlPresenter(SDL_Window* window) {
    if (SDL_Renderer* renderer = acceleratedRenderer(window)) {
        auto presenter = SdlTexturePresenter::create(renderer);
        if (presenter) return presenter;
    }
    return std::make_unique<SdlSurfacePresenter>(window);
}

}  // namespace zav
