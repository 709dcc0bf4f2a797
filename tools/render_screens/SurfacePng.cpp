#include "SurfacePng.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace zav {

namespace {

// Repeats the top bits into the low ones, so full intensity maps to 255 and black to 0.
uint8_t expand5(unsigned v) { return static_cast<uint8_t>((v << 3) | (v >> 2)); }
uint8_t expand6(unsigned v) { return static_cast<uint8_t>((v << 2) | (v >> 4)); }

}  // namespace

bool writeSurfacePng(const Surface& surface, const std::string& path, std::string& error) {
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(Surface::Width) * Surface::Height * 3);
    for (int y = 0; y < Surface::Height; ++y)
        for (int x = 0; x < Surface::Width; ++x) {
            const unsigned p = surface.pixel(x, y);
            rgb.push_back(expand5(p >> 11));
            rgb.push_back(expand6((p >> 5) & 0x3f));
            rgb.push_back(expand5(p & 0x1f));
        }

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = Surface::Width;
    image.height = Surface::Height;
    image.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) return true;
    error = image.message;
    png_image_free(&image);
    return false;
}

}  // namespace zav
