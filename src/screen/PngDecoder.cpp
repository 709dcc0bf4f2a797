#include "screen/PngDecoder.h"

#include <png.h>

#include <memory>
#include <string>

namespace zav {

RgbaImage decodePng(std::span<const uint8_t> bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw PngError(std::string("cannot read picture: ") + image.message);
    image.format = PNG_FORMAT_RGBA;
    RgbaImage out;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        throw PngError("cannot decode picture: " + message);
    }
    return out;
}

}  // namespace zav
