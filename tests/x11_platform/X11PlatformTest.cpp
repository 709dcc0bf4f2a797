#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "XvfbServer.h"
#include "platform/sdl/SdlPlatform.h"
#include "platform/sdl/X11InputWait.h"
#include "platform/sdl/X11ShmPresenter.h"
// Last: Xlib's macros (None, Expose...) would replace names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace zav {
namespace {

uint16_t rgb565(int r5, int g6, int b5) { return uint16_t(r5 << 11 | g6 << 5 | b5); }

// The colour a screen pixel takes in a 24-bit window, as SDL converts it.
uint32_t packed(uint16_t pixel) {
    uint32_t out = 0;
    SDL_ConvertPixels(1, 1, SDL_PIXELFORMAT_RGB565, &pixel, 2, SDL_PIXELFORMAT_RGB888, &out, 4);
    return out & 0xFFFFFF;
}

XvfbServer& server() {
    static XvfbServer server;
    return server;
}

class X11PlatformTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (server().display().empty()) return;
        setenv("DISPLAY", server().display().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
    }

    void SetUp() override {
        if (server().display().empty()) GTEST_SKIP() << "Xvfb is not installed";
        platform.emplace();
        display().createWindow("Z.A.V - Korvath", RgbaImage{32, 32, std::vector<uint8_t>(32 * 32 * 4, 255)});
        x11 = x11WindowOf(display().window());
        ASSERT_TRUE(x11);
        reader = XOpenDisplay(server().display().c_str());
        ASSERT_NE(reader, nullptr);
        screen.assign(size_t{ScreenWidth} * ScreenHeight, 0);
        for (int y = 0; y < ScreenHeight; ++y)
            for (int x = 0; x < ScreenWidth; ++x) pixel(x, y) = rgb565(x % 32, y % 64, (x + y) % 32);
    }

    void TearDown() override {
        if (reader) XCloseDisplay(reader);
        platform.reset();
    }

    SdlDisplay& display() { return platform->display(); }
    uint16_t& pixel(int x, int y) { return screen[size_t(y) * ScreenWidth + x]; }

    // Shows the window and waits until the server has it on the screen.
    void show(int width, int height) {
        display().showWindow({0, 0, width, height});
        for (int i = 0; i < 200; ++i) {
            XWindowAttributes attributes{};
            XGetWindowAttributes(reader, x11->window, &attributes);
            if (attributes.map_state == IsViewable && attributes.width == width) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        FAIL() << "the window never showed";
    }

    uint32_t shown(int x, int y) {
        XImage* image = XGetImage(reader, x11->window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0xDEADBEEF;
        const uint32_t value = uint32_t(XGetPixel(image, 0, 0)) & 0xFFFFFF;
        XDestroyImage(image);
        return value;
    }

    // The presenter does not wait for the server, so its frame arrives a little later.
    uint32_t shownOnceEqual(int x, int y, uint32_t expected) {
        uint32_t value = shown(x, y);
        for (int i = 0; i < 200 && value != expected; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            value = shown(x, y);
        }
        return value;
    }

    std::optional<SdlPlatform> platform;
    std::optional<X11Window> x11;
    ::Display* reader = nullptr;
    std::vector<uint16_t> screen;
};

TEST_F(X11PlatformTest, PresentsOnlyTheDirtyRectanglesThroughSharedMemory) {
    ASSERT_NE(X11ShmPresenter::create(display().window(), *x11), nullptr);
    show(ScreenWidth, ScreenHeight);
    display().present(screen.data(), {{0, 0, ScreenWidth, ScreenHeight}});
    EXPECT_EQ(shownOnceEqual(639, 479, packed(pixel(639, 479))), packed(pixel(639, 479)));
    EXPECT_EQ(shown(5, 7), packed(pixel(5, 7)));

    pixel(200, 450) = rgb565(31, 0, 0);
    pixel(10, 10) = rgb565(0, 0, 31);
    display().present(screen.data(), {{150, 440, 100, 20}});
    EXPECT_EQ(shownOnceEqual(200, 450, 0xFF0000), 0xFF0000u);
    EXPECT_EQ(shown(10, 10), packed(rgb565(10, 10, 20)));  // changed, but not said to be
}

TEST_F(X11PlatformTest, ScalesIntoALargerWindowWithBlackBars) {
    show(1280, 1024);  // 2x, with 32-pixel bars above and below
    display().present(screen.data(), {{0, 0, ScreenWidth, ScreenHeight}});
    EXPECT_EQ(shownOnceEqual(1279, 991, packed(pixel(639, 479))), packed(pixel(639, 479)));
    EXPECT_EQ(shown(0, 0), 0u);
    EXPECT_EQ(shown(1279, 1023), 0u);
    EXPECT_EQ(shown(0, 32), packed(pixel(0, 0)));
    EXPECT_EQ(shown(2 * 300 + 1, 32 + 2 * 100 + 1), packed(pixel(300, 100)));
}

TEST_F(X11PlatformTest, InputWaitWakesForTheServerAndOtherwiseTimesOut) {
    show(ScreenWidth, ScreenHeight);
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    X11InputWait wait(x11->display);
    EXPECT_FALSE(wait.wait(20'000));

    XWarpPointer(reader, None, x11->window, 0, 0, 0, 0, 100, 50);
    XFlush(reader);
    EXPECT_TRUE(wait.wait(5'000'000));
}

TEST_F(X11PlatformTest, EventSourceDeliversPointerMovesAndEndsAtTheDeadline) {
    show(1280, 1024);  // 2x, with 32-pixel bars above and below
    EventSource& events = platform->events();
    const int64_t now = platform->clock().nowUs();
    while (events.waitEvent(now)) {
    }
    EXPECT_EQ(events.waitEvent(platform->clock().nowUs() + 20'000), std::nullopt);

    XWarpPointer(reader, None, x11->window, 0, 0, 0, 0, 201, 233);
    XFlush(reader);
    std::optional<InputEvent> input;
    const int64_t deadline = platform->clock().nowUs() + 5'000'000;
    while (!input || input->kind != InputKind::MouseMove) {
        input = events.waitEvent(deadline);
        ASSERT_TRUE(input) << "no pointer move before the deadline";
    }
    EXPECT_EQ(input->x, 100);
    EXPECT_EQ(input->y, 100);
}

}  // namespace
}  // namespace zav
