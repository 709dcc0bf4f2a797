#pragma once
#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Geometry.h"

namespace zav {

// Brings the 640 x 480 RGB565 screen to the window, scaled into whatever size the window has.
class SdlPresenter {
public:
    virtual ~SdlPresenter() = default;
    // `dirty` holds the rectangles changed since the last call, within the screen.
    virtual void present(const uint16_t* pixels, const std::vector<Rect>& dirty) = 0;
};

// The GPU path where an accelerated renderer exists, otherwise an image in memory shared with a
// local X server, otherwise the window surface. ZAV_PRESENT in the environment may choose:
// "surface" always (no GPU), or "renderer" on any renderer calling itself accelerated, software
// GL included.
std::unique_ptr<SdlPresenter> makeSdlPresenter(SDL_Window* window);

}  // namespace zav
