#pragma once
#include "platform/sdl/SdlPresenter.h"

namespace zav {

// The path without a GPU: only the changed rectangles are converted (and scaled, nearest pixel)
// into the window surface, and only they are pushed to the display.
class SdlSurfacePresenter final : public SdlPresenter {
public:
    explicit SdlSurfacePresenter(SDL_Window* window);

    void present(const uint16_t* pixels, const std::vector<Rect>& dirty) override;

private:
    // Draws the screen's pixels shown in `output` (window pixels inside the viewport).
    void draw(const uint16_t* pixels, SDL_Surface* surface, const Rect& viewport, const Rect& output);

    SDL_Window* window_;
    // The window surface drawn last; SDL makes a new one when the window's size changes, which
    // then starts black and is drawn whole.
    SDL_Surface* surface_ = nullptr;
    Size surfaceSize_;
    std::vector<int> screenColumns_;
    std::vector<uint8_t> convertedRow_;
};

}  // namespace zav
