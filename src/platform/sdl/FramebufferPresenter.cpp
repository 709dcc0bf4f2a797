#include "platform/sdl/FramebufferPresenter.h"

#include <algorithm>
#include <cstring>

#include "platform/sdl/ScreenScaling.h"

namespace zav {

namespace {

constexpr int kScreenPitch = ScreenWidth * 2;

}  // namespace

void FramebufferPresenter::convert(int width, int height, const uint16_t* from, Uint32 format, uint8_t* to,
                                   int pitch) {
    if (format != packedFormat_) {
        packedFormat_ = format;
        packing_ = pixelPackingFor(format);
    }
    if (packing_)
        packPixels(*packing_, width, height, from, kScreenPitch, to, pitch);
    else
        SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB565, from, kScreenPitch, format, to, pitch);
}

void FramebufferPresenter::present(const uint16_t* pixels, const std::vector<Rect>& dirty) {
    const std::optional<Framebuffer> target = acquire();
    if (!target) return;
    const bool fresh = target->pixels != drawn_ || target->size != drawnSize_;
    drawn_ = target->pixels;
    drawnSize_ = target->size;

    const Rect screen{0, 0, ScreenWidth, ScreenHeight};
    static const std::vector<Rect> whole{screen};
    const std::vector<Rect>& changed = fresh ? whole : dirty;
    const bool wholeScreen = std::find(changed.begin(), changed.end(), screen) != changed.end();
    const Rect viewport = letterbox(target->size);
    const Rect window{0, 0, target->size.width, target->size.height};

    if (fresh)
        for (int y = 0; y < target->size.height; ++y)
            std::memset(target->pixels + y * target->pitch, 0,
                        size_t(target->size.width) * SDL_BYTESPERPIXEL(target->format));
    pushed_.clear();
    for (const Rect& rect : changed) {
        const Rect output = intersect(toOutputRect(viewport, intersect(rect, screen)), window);
        if (output.empty()) continue;
        draw(pixels, *target, viewport, output);
        pushed_.push_back({output.left, output.top, output.width, output.height});
    }
    // A whole-screen present (after an expose) also repaints the bars.
    push(pushed_, wholeScreen);
}

void FramebufferPresenter::draw(const uint16_t* pixels, const Framebuffer& target, const Rect& viewport,
                                const Rect& output) {
    const int bytesPerPixel = SDL_BYTESPERPIXEL(target.format);
    auto at = [&](int x, int y) { return target.pixels + y * target.pitch + x * bytesPerPixel; };
    if (viewport.width == ScreenWidth && viewport.height == ScreenHeight) {
        const ScreenPoint first = toScreenPoint(viewport, output.left, output.top);
        convert(output.width, output.height, pixels + first.y * ScreenWidth + first.x, target.format,
                at(output.left, output.top), target.pitch);
        return;
    }
    // Scaled: each window row takes its screen row converted once, then picks the nearest pixels.
    screenColumns_.resize(output.width);
    for (int i = 0; i < output.width; ++i) screenColumns_[i] = toScreenPoint(viewport, output.left + i, 0).x;
    const int firstColumn = screenColumns_.front();
    const int columns = screenColumns_.back() - firstColumn + 1;
    convertedRow_.resize(size_t(columns) * bytesPerPixel);
    const size_t rowBytes = size_t(output.width) * bytesPerPixel;
    int convertedScreenRow = -1;
    for (int y = output.top; y < output.bottom(); ++y) {
        const int screenRow = toScreenPoint(viewport, 0, y).y;
        uint8_t* row = at(output.left, y);
        if (screenRow == convertedScreenRow) {
            std::memcpy(row, row - target.pitch, rowBytes);
            continue;
        }
        convert(columns, 1, pixels + screenRow * ScreenWidth + firstColumn, target.format, convertedRow_.data(),
                columns * bytesPerPixel);
        for (int i = 0; i < output.width; ++i)
            std::memcpy(row + i * bytesPerPixel, convertedRow_.data() + (screenColumns_[i] - firstColumn) * bytesPerPixel,
                        bytesPerPixel);
        convertedScreenRow = screenRow;
    }
}

}  // namespace zav
