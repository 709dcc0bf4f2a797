#pragma once
#include <SDL.h>

#include <memory>

#include "platform/Image.h"

namespace zav {

struct SdlSurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceFree>;

// An SDL surface with its own copy of the image's RGBA pixels; empty on failure.
SdlSurfacePtr toSdlSurface(const RgbaImage& image);

}  // namespace zav
