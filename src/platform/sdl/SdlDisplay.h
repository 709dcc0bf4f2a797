#pragma once
#include <SDL.h>

#include <memory>

#include "platform/Display.h"
#include "platform/sdl/ScreenScaling.h"
#include "platform/sdl/SdlPresenter.h"

namespace zav {

// The screen window on SDL. Needs SDL's video subsystem for its whole life (see SdlPlatform).
class SdlDisplay final : public Display {
public:
    SdlDisplay() = default;
    // Destroys the window, so the desktop's mode comes back on every way out.
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    // Throws std::runtime_error when SDL cannot make the window.
    void createWindow(const std::string& title, const RgbaImage& icon) override;
    Size desktopSize() const override;
    void showWindow(const Rect& bounds) override;
    void minimise() override;
    void destroyWindow() override;
    std::vector<DisplayMode> listModes() const override;
    bool enterFullScreen(const DisplayMode& mode) override;
    void present(const uint16_t* pixels, const std::vector<Rect>& dirty) override;
    int64_t framePeriodUs() const override;
    void setCursor(const RgbaImage& image, int hotX, int hotY) override;
    void setPointerVisible(bool visible) override;

    // The screen pixel under a position in the window, which may show the screen scaled.
    ScreenPoint toScreen(int windowX, int windowY) const;
    SDL_Window* window() const { return window_; }

private:
    int displayIndex() const;

    SDL_Window* window_ = nullptr;
    std::unique_ptr<SdlPresenter> presenter_;
    SDL_Cursor* cursor_ = nullptr;
};

}  // namespace zav
