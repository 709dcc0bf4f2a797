#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Image.h"

namespace zav {

// An opaque RGB565 raster. Copies share the immutable pixels, so giving a control "a copy" of
// another control's picture is cheap and later changes to either control never affect the other.
class Picture {
public:
    Picture() = default;
    Picture(int width, int height, std::vector<uint16_t> pixels);
    static Picture fromRgba(const RgbaImage& image);

    bool empty() const { return !data_; }
    int width() const { return data_ ? data_->width : 0; }
    int height() const { return data_ ? data_->height : 0; }
    const uint16_t* row(int y) const { return data_->pixels.data() + static_cast<size_t>(y) * data_->width; }
    uint16_t pixel(int x, int y) const { return row(y)[x]; }
    bool sharesPixelsWith(const Picture& other) const { return data_ == other.data_; }

private:
    struct Data {
        int width;
        int height;
        std::vector<uint16_t> pixels;
    };
    std::shared_ptr<const Data> data_;
};

inline constexpr uint16_t rgb565(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

}  // namespace zav
