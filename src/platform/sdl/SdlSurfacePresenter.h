#pragma once
#include "platform/sdl/FramebufferPresenter.h"

namespace zav {

// The window surface SDL keeps for a window: the path without a GPU on any video driver.
class SdlSurfacePresenter final : public FramebufferPresenter {
public:
    explicit SdlSurfacePresenter(SDL_Window* window);

private:
    std::optional<Framebuffer> acquire() override;
    void push(const std::vector<SDL_Rect>& rects, bool whole) override;

    SDL_Window* window_;
    SDL_Surface* locked_ = nullptr;
};

}  // namespace zav
