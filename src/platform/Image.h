#pragma once
#include <cstdint>
#include <vector>

namespace zav {

// An RGBA image with 8 bits per channel, row-major, as decoded from the program's resources.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 4
};

}  // namespace zav
