#pragma once
#include <string>
#include <vector>

#include "platform/Display.h"

namespace zav {

// A display with no screen: records what was asked of it, offers a chosen list of modes.
class FakeDisplay final : public Display {
public:
    // Modes enterFullScreen accepts; listModes() lists them too unless `listed` is set.
    std::vector<DisplayMode> acceptedModes{{640, 480, 16}};
    std::vector<DisplayMode> listed;
    bool listedSet = false;
    Size desktop{1920, 1080};
    int64_t frameUs = 16667;

    // What happened, in order.
    std::vector<std::string> calls;
    std::vector<DisplayMode> fullScreenAttempts;
    bool windowCreated = false;
    bool windowShown = false;
    bool windowDestroyed = false;
    bool minimised = false;
    bool fullScreen = false;
    bool pointerVisible = true;
    Rect shownBounds;
    std::string title;
    RgbaImage icon;
    RgbaImage cursor;
    int presents = 0;
    std::vector<Rect> lastDirty;

    void createWindow(const std::string& title, const RgbaImage& icon) override;
    Size desktopSize() const override { return desktop; }
    void showWindow(const Rect& bounds) override;
    void minimise() override;
    void destroyWindow() override;
    std::vector<DisplayMode> listModes() const override;
    bool enterFullScreen(const DisplayMode& mode) override;
    void present(const uint16_t* pixels, const std::vector<Rect>& dirty) override;
    int64_t framePeriodUs() const override { return frameUs; }
    void setCursor(const RgbaImage& image, int hotX, int hotY) override;
    void setPointerVisible(bool visible) override;
};

}  // namespace zav
