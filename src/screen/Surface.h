#pragma once
#include <cstdint>
#include <vector>

#include "platform/Geometry.h"

namespace zav {

// The 640 x 480 RGB565 screen everything is drawn into.
class Surface {
public:
    static constexpr int Width = 640;
    static constexpr int Height = 480;

    Surface() : pixels_(static_cast<size_t>(Width) * Height, 0) {}
    uint16_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * Width; }
    const uint16_t* data() const { return pixels_.data(); }
    uint16_t pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * Width + x]; }
    static Rect bounds() { return {0, 0, Width, Height}; }

private:
    std::vector<uint16_t> pixels_;
};

}  // namespace zav
