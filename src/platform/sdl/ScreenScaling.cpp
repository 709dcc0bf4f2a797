#include "platform/sdl/ScreenScaling.h"

#include <cstdint>

namespace zav {

namespace {

int64_t floorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
int64_t ceilDiv(int64_t a, int64_t b) { return -floorDiv(-a, b); }

int screenToOutput(int origin, int extent, int screenEdge, int screenExtent) {
    return origin + static_cast<int>(ceilDiv(int64_t{screenEdge} * extent, screenExtent));
}

}  // namespace

Rect letterbox(Size output) {
    if (output.width <= 0 || output.height <= 0) return {};
    int width = output.width;
    int height = output.height;
    if (int64_t{width} * ScreenHeight > int64_t{height} * ScreenWidth)
        width = static_cast<int>(int64_t{height} * ScreenWidth / ScreenHeight);
    else
        height = static_cast<int>(int64_t{width} * ScreenHeight / ScreenWidth);
    return {(output.width - width) / 2, (output.height - height) / 2, width, height};
}

ScreenPoint toScreenPoint(const Rect& viewport, int x, int y) {
    if (viewport.empty()) return {x, y};
    return {static_cast<int>(floorDiv(int64_t{x - viewport.left} * ScreenWidth, viewport.width)),
            static_cast<int>(floorDiv(int64_t{y - viewport.top} * ScreenHeight, viewport.height))};
}

Rect toOutputRect(const Rect& viewport, const Rect& screenRect) {
    const int left = screenToOutput(viewport.left, viewport.width, screenRect.left, ScreenWidth);
    const int top = screenToOutput(viewport.top, viewport.height, screenRect.top, ScreenHeight);
    const int right = screenToOutput(viewport.left, viewport.width, screenRect.right(), ScreenWidth);
    const int bottom = screenToOutput(viewport.top, viewport.height, screenRect.bottom(), ScreenHeight);
    return {left, top, right - left, bottom - top};
}

}  // namespace zav
