#include "platform/sdl/SdlImages.h"

#include <cstring>

namespace zav {

SdlSurfacePtr toSdlSurface(const RgbaImage& image) {
    const size_t rowBytes = size_t(image.width) * 4;
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() < rowBytes * image.height) return nullptr;
    SdlSurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, image.width, image.height, 32, SDL_PIXELFORMAT_RGBA32));
    if (!surface) return nullptr;
    for (int y = 0; y < image.height; ++y)
        std::memcpy(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch, image.pixels.data() + y * rowBytes,
                    rowBytes);
    return surface;
}

}  // namespace zav
