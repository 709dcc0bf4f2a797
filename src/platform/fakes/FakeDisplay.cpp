#include "platform/fakes/FakeDisplay.h"

#include <algorithm>

namespace zav {

void FakeDisplay::createWindow(const std::string& windowTitle, const RgbaImage& windowIcon) {
    calls.push_back("createWindow");
    windowCreated = true;
    title = windowTitle;
    icon = windowIcon;
}

void FakeDisplay::showWindow(const Rect& bounds) {
    calls.push_back("showWindow");
    windowShown = true;
    shownBounds = bounds;
}

void FakeDisplay::minimise() {
    calls.push_back("minimise");
    minimised = true;
}

void FakeDisplay::destroyWindow() {
    calls.push_back("destroyWindow");
    windowDestroyed = true;
    fullScreen = false;
}

std::vector<DisplayMode> FakeDisplay::listModes() const { return listedSet ? listed : acceptedModes; }

bool FakeDisplay::enterFullScreen(const DisplayMode& mode) {
    calls.push_back("enterFullScreen");
    fullScreenAttempts.push_back(mode);
    fullScreen = std::find(acceptedModes.begin(), acceptedModes.end(), mode) != acceptedModes.end();
    return fullScreen;
}

void FakeDisplay::present(const uint16_t*, const std::vector<Rect>& dirty) {
    ++presents;
    lastDirty = dirty;
}

void FakeDisplay::setCursor(const RgbaImage& image, int, int) {
    calls.push_back("setCursor");
    cursor = image;
}

void FakeDisplay::setPointerVisible(bool visible) {
    calls.push_back(visible ? "pointerShown" : "pointerHidden");
    pointerVisible = visible;
}

}  // namespace zav
