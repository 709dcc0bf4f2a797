#include "platform/sdl/SdlTexturePresenter.h"

#include "platform/sdl/ScreenScaling.h"

namespace zav {

std::unique_ptr<SdlTexturePresenter> SdlTexturePresenter::create(SDL_Renderer* renderer) {
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                             ScreenWidth, ScreenHeight);
    if (!texture) {
        SDL_DestroyRenderer(renderer);
        return nullptr;
    }
    // Black until the first present fills it.
    const std::vector<uint16_t> black(size_t{ScreenWidth} * ScreenHeight, 0);
    SDL_UpdateTexture(texture, nullptr, black.data(), ScreenWidth * 2);
    return std::unique_ptr<SdlTexturePresenter>(new SdlTexturePresenter(renderer, texture));
}

SdlTexturePresenter::~SdlTexturePresenter() {
    SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
}

void SdlTexturePresenter::present(const uint16_t* pixels, const std::vector<Rect>& dirty) {
    const Rect screen{0, 0, ScreenWidth, ScreenHeight};
    for (const Rect& changed : dirty) {
        const Rect r = intersect(changed, screen);
        if (r.empty()) continue;
        const SDL_Rect area{r.left, r.top, r.width, r.height};
        SDL_UpdateTexture(texture_, &area, pixels + r.top * ScreenWidth + r.left, ScreenWidth * 2);
    }
    Size output;
    SDL_GetRendererOutputSize(renderer_, &output.width, &output.height);
    const Rect viewport = letterbox(output);
    const SDL_Rect target{viewport.left, viewport.top, viewport.width, viewport.height};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
}

}  // namespace zav
