#include "platform/sdl/SdlDisplay.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/sdl/FramePeriod.h"
#include "platform/sdl/SdlImages.h"

namespace zav {

namespace {

// The screen is converted by the GPU (or on the way into the window surface), so every
// resolution counts as a 16-bit mode.
constexpr int kScreenBits = 16;

bool cannotChangeModes() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "wayland") == 0;
}

}  // namespace

SdlDisplay::~SdlDisplay() {
    destroyWindow();
    if (cursor_) SDL_FreeCursor(cursor_);
}

void SdlDisplay::createWindow(const std::string& title, const RgbaImage& icon) {
    if (window_) return;
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, ScreenWidth,
                               ScreenHeight, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!window_) throw std::runtime_error(std::string("cannot create the screen window: ") + SDL_GetError());
    presenter_ = makeSdlPresenter(window_);
    if (SdlSurfacePtr surface = toSdlSurface(icon)) SDL_SetWindowIcon(window_, surface.get());
}

Size SdlDisplay::desktopSize() const {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(displayIndex(), &mode) != 0) return {ScreenWidth, ScreenHeight};
    return {mode.w, mode.h};
}

void SdlDisplay::showWindow(const Rect& bounds) {
    if (!window_) return;
    SDL_SetWindowSize(window_, bounds.width, bounds.height);
    SDL_SetWindowPosition(window_, bounds.left, bounds.top);
    SDL_ShowWindow(window_);
}

void SdlDisplay::minimise() {
    if (window_) SDL_MinimizeWindow(window_);
}

void SdlDisplay::destroyWindow() {
    presenter_.reset();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
}

std::vector<DisplayMode> SdlDisplay::listModes() const {
    std::vector<DisplayMode> modes;
    const int display = displayIndex();
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode sdlMode{};
        if (SDL_GetDisplayMode(display, i, &sdlMode) != 0) continue;
        const DisplayMode mode{sdlMode.w, sdlMode.h, kScreenBits};
        if (std::find(modes.begin(), modes.end(), mode) == modes.end()) modes.push_back(mode);
    }
    return modes;
}

bool SdlDisplay::enterFullScreen(const DisplayMode& mode) {
    if (!window_ || mode.bitsPerPixel != kScreenBits) return false;
    // Without mode changes the whole desktop shows the screen, scaled as in a larger mode.
    if (cannotChangeModes()) return SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    SDL_DisplayMode wanted{};
    wanted.w = mode.width;
    wanted.h = mode.height;
    SDL_DisplayMode closest{};
    if (!SDL_GetClosestDisplayMode(displayIndex(), &wanted, &closest)) return false;
    if (closest.w != mode.width || closest.h != mode.height) return false;
    return SDL_SetWindowDisplayMode(window_, &closest) == 0 &&
           SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0;
}

void SdlDisplay::present(const uint16_t* pixels, const std::vector<Rect>& dirty) {
    if (presenter_) presenter_->present(pixels, dirty);
}

int64_t SdlDisplay::framePeriodUs() const {
    SDL_DisplayMode mode{};
    if (SDL_GetCurrentDisplayMode(displayIndex(), &mode) != 0) return framePeriodUsForRefresh(0);
    return framePeriodUsForRefresh(mode.refresh_rate);
}

void SdlDisplay::setCursor(const RgbaImage& image, int hotX, int hotY) {
    SdlSurfacePtr surface = toSdlSurface(image);
    if (!surface) return;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface.get(), hotX, hotY);
    if (!cursor) return;
    SDL_SetCursor(cursor);
    if (cursor_) SDL_FreeCursor(cursor_);
    cursor_ = cursor;
}

void SdlDisplay::setPointerVisible(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

ScreenPoint SdlDisplay::toScreen(int windowX, int windowY) const {
    if (!window_) return {windowX, windowY};
    Size size;
    SDL_GetWindowSize(window_, &size.width, &size.height);
    return toScreenPoint(letterbox(size), windowX, windowY);
}

int SdlDisplay::displayIndex() const {
    const int index = window_ ? SDL_GetWindowDisplayIndex(window_) : 0;
    return index < 0 ? 0 : index;
}

}  // namespace zav
