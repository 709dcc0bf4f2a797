#pragma once
#include <cstdint>
#include <span>
#include <stdexcept>

#include "platform/Image.h"

namespace zav {

struct PngError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Decodes a PNG of any colour type and depth into 8-bit RGBA. Throws PngError on bad data.
RgbaImage decodePng(std::span<const uint8_t> bytes);

}  // namespace zav
