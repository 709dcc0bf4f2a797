#include "screen/Picture.h"

#include <stdexcept>

namespace zav {

Picture::Picture(int width, int height, std::vector<uint16_t> pixels) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height)
        throw std::invalid_argument("picture size does not match its pixels");
    data_ = std::make_shared<const Data>(Data{width, height, std::move(pixels)});
}

Picture Picture::fromRgba(const RgbaImage& image) {
    std::vector<uint16_t> pixels(static_cast<size_t>(image.width) * image.height);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint8_t* p = &image.pixels[i * 4];
        pixels[i] = rgb565(p[0], p[1], p[2]);
    }
    return Picture(image.width, image.height, std::move(pixels));
}

}  // namespace zav
