#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Image.h"

namespace zav {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// The one screen window and the display it sits on. Everything above this seam draws into a
// 640 x 480 RGB565 buffer and hands the changed rectangles to present().
class Display {
public:
    virtual ~Display() = default;

    // Creates the borderless black window, hidden, with its title (also the task-bar text) and icon.
    virtual void createWindow(const std::string& title, const RgbaImage& icon) = 0;
    virtual Size desktopSize() const = 0;
    // Places the window at left, top with the given client size and makes it visible.
    virtual void showWindow(const Rect& bounds) = 0;
    virtual void minimise() = 0;
    // Destroys the window; the desktop's own display mode comes back if it was changed.
    virtual void destroyWindow() = 0;

    // Every mode the display offers (the screen is converted by the GPU, so all count as 16-bit).
    virtual std::vector<DisplayMode> listModes() const = 0;
    // Takes exclusive full screen in the given mode; false when the platform refuses it.
    virtual bool enterFullScreen(const DisplayMode& mode) = 0;

    // Presents the changed rectangles of the 640 x 480 RGB565 screen buffer (row pitch 640).
    virtual void present(const uint16_t* pixels, const std::vector<Rect>& dirty) = 0;
    // The time between two presented frames; the shortest timer period is tied to it.
    virtual int64_t framePeriodUs() const = 0;

    // The application cursor (32 x 32, hot spot given) and whether the pointer is drawn.
    virtual void setCursor(const RgbaImage& image, int hotX, int hotY) = 0;
    virtual void setPointerVisible(bool visible) = 0;
};

}  // namespace zav
