#pragma once
#include "platform/sdl/SdlPresenter.h"

namespace zav {

// The GPU path: changed rectangles go into a streaming RGB565 texture, and every present draws
// it scaled over black, in step with the display's refresh.
class SdlTexturePresenter final : public SdlPresenter {
public:
    // Takes the renderer; destroys it and returns nothing when the texture cannot be made.
    static std::unique_ptr<SdlTexturePresenter> create(SDL_Renderer* renderer);
    ~SdlTexturePresenter() override;
    SdlTexturePresenter(const SdlTexturePresenter&) = delete;
    SdlTexturePresenter& operator=(const SdlTexturePresenter&) = delete;

    void present(const uint16_t* pixels, const std::vector<Rect>& dirty) override;

private:
    SdlTexturePresenter(SDL_Renderer* renderer, SDL_Texture* texture) : renderer_(renderer), texture_(texture) {}

    SDL_Renderer* renderer_;
    SDL_Texture* texture_;
};

}  // namespace zav
