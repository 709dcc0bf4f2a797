#include "platform/sdl/SdlSurfacePresenter.h"

#include <algorithm>
#include <cstring>

#include "platform/sdl/ScreenScaling.h"

namespace zav {

namespace {

constexpr int kScreenPitch = ScreenWidth * 2;

}  // namespace

SdlSurfacePresenter::SdlSurfacePresenter(SDL_Window* window) : window_(window) {
    // Otherwise SDL may back the window surface with a (software GL) texture and upload all of it
    // on every update, where the system's own framebuffer pushes just the changed rectangles.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

SdlSurfacePresenter::ChannelTables::ChannelTables(Uint32 format) : format(format) {
    auto fill = [format](auto& table, int shift) {
        for (size_t v = 0; v < table.size(); ++v) {
            const auto pixel = static_cast<uint16_t>(v << shift);
            SDL_ConvertPixels(1, 1, SDL_PIXELFORMAT_RGB565, &pixel, 2, format, &table[v], 4);
        }
    };
    fill(red, 11);
    fill(green, 5);
    fill(blue, 0);
}

void SdlSurfacePresenter::convert(int width, int height, const uint16_t* from, Uint32 format, uint8_t* to,
                                  int pitch) {
    if (SDL_BYTESPERPIXEL(format) != 4) {
        SDL_ConvertPixels(width, height, SDL_PIXELFORMAT_RGB565, from, kScreenPitch, format, to, pitch);
        return;
    }
    if (!tables_ || tables_->format != format) tables_.emplace(format);
    const ChannelTables& t = *tables_;
    for (int y = 0; y < height; ++y, from += ScreenWidth, to += pitch) {
        auto* out = reinterpret_cast<uint32_t*>(to);
        for (int x = 0; x < width; ++x) {
            const unsigned p = from[x];
            out[x] = t.red[p >> 11] | t.green[(p >> 5) & 0x3F] | t.blue[p & 0x1F];
        }
    }
}

void SdlSurfacePresenter::present(const uint16_t* pixels, const std::vector<Rect>& dirty) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    const Size size{surface->w, surface->h};
    const bool fresh = surface != surface_ || size != surfaceSize_;
    surface_ = surface;
    surfaceSize_ = size;

    const Rect screen{0, 0, ScreenWidth, ScreenHeight};
    const std::vector<Rect> whole{screen};
    const std::vector<Rect>& changed = fresh ? whole : dirty;
    const bool wholeScreen = std::find(changed.begin(), changed.end(), screen) != changed.end();
    const Rect viewport = letterbox(size);
    const Rect window{0, 0, size.width, size.height};

    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    if (fresh) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    std::vector<SDL_Rect> pushed;
    for (const Rect& rect : changed) {
        const Rect output = intersect(toOutputRect(viewport, intersect(rect, screen)), window);
        if (output.empty()) continue;
        draw(pixels, surface, viewport, output);
        pushed.push_back({output.left, output.top, output.width, output.height});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);

    // A whole-screen present (after an expose) also repaints the bars.
    if (wholeScreen)
        SDL_UpdateWindowSurface(window_);
    else if (!pushed.empty())
        SDL_UpdateWindowSurfaceRects(window_, pushed.data(), static_cast<int>(pushed.size()));
}

void SdlSurfacePresenter::draw(const uint16_t* pixels, SDL_Surface* surface, const Rect& viewport,
                               const Rect& output) {
    const Uint32 format = surface->format->format;
    const int bytesPerPixel = surface->format->BytesPerPixel;
    auto target = [&](int x, int y) {
        return static_cast<uint8_t*>(surface->pixels) + y * surface->pitch + x * bytesPerPixel;
    };
    if (viewport.width == ScreenWidth && viewport.height == ScreenHeight) {
        const ScreenPoint first = toScreenPoint(viewport, output.left, output.top);
        convert(output.width, output.height, pixels + first.y * ScreenWidth + first.x, format,
                target(output.left, output.top), surface->pitch);
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
        uint8_t* row = target(output.left, y);
        if (screenRow == convertedScreenRow) {
            std::memcpy(row, row - surface->pitch, rowBytes);
            continue;
        }
        convert(columns, 1, pixels + screenRow * ScreenWidth + firstColumn, format, convertedRow_.data(),
                columns * bytesPerPixel);
        for (int i = 0; i < output.width; ++i)
            std::memcpy(row + i * bytesPerPixel, convertedRow_.data() + (screenColumns_[i] - firstColumn) * bytesPerPixel,
                        bytesPerPixel);
        convertedScreenRow = screenRow;
    }
}

}  // namespace zav
