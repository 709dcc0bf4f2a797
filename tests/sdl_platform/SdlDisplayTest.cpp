#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/sdl/SdlPlatform.h"

namespace zav {
namespace {

uint16_t rgb565(int r5, int g6, int b5) { return uint16_t(r5 << 11 | g6 << 5 | b5); }

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& c) { return out << c.r << "," << c.g << "," << c.b; }


// The dummy video driver keeps the window surface in memory, so what was presented can be read.
// SDL_VIDEODRIVER in the environment takes precedence.
struct DummyVideoDriver {
    DummyVideoDriver() { SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy"); }
};

class SdlDisplayTest : public testing::Test {
protected:
    void SetUp() override {
        display().createWindow("Z.A.V - Korvath", RgbaImage{32, 32, std::vector<uint8_t>(32 * 32 * 4, 255)});
        screen.assign(size_t{ScreenWidth} * ScreenHeight, 0);
        for (int y = 0; y < ScreenHeight; ++y)
            for (int x = 0; x < ScreenWidth; ++x) pixel(x, y) = rgb565(x % 32, y % 64, (x + y) % 32);
    }

    SdlDisplay& display() { return platform.display(); }
    uint16_t& pixel(int x, int y) { return screen[size_t(y) * ScreenWidth + x]; }

    Rgb shown(int windowX, int windowY) {
        SDL_Surface* surface = SDL_GetWindowSurface(display().window());
        const auto* row = static_cast<const uint8_t*>(surface->pixels) + windowY * surface->pitch;
        return rgbOf(row + windowX * surface->format->BytesPerPixel);
    }

    // The colour a screen pixel takes in the window surface's format (SDL's tables round their own way).
    Rgb expand(uint16_t pixel) {
        Uint8 converted[4];
        const SDL_PixelFormat* format = SDL_GetWindowSurface(display().window())->format;
        SDL_ConvertPixels(1, 1, SDL_PIXELFORMAT_RGB565, &pixel, 2, format->format, converted, 4);
        return rgbOf(converted);
    }

    Rgb rgbOf(const uint8_t* bytes) {
        const SDL_PixelFormat* format = SDL_GetWindowSurface(display().window())->format;
        Uint32 value = 0;
        std::memcpy(&value, bytes, format->BytesPerPixel);
        Uint8 r, g, b;
        SDL_GetRGB(value, format, &r, &g, &b);
        return {r, g, b};
    }

    DummyVideoDriver driver;
    SdlPlatform platform;
    std::vector<uint16_t> screen;
};

TEST_F(SdlDisplayTest, ListsEachResolutionOnceAsSixteenBit) {
    const std::vector<DisplayMode> modes = display().listModes();
    ASSERT_FALSE(modes.empty());
    for (size_t i = 0; i < modes.size(); ++i) {
        EXPECT_EQ(modes[i].bitsPerPixel, 16);
        EXPECT_EQ(std::count(modes.begin(), modes.end(), modes[i]), 1);
    }
    EXPECT_FALSE(display().enterFullScreen({modes[0].width, modes[0].height, 8}));
    EXPECT_FALSE(display().enterFullScreen({modes[0].width + 1, modes[0].height, 16}));
    EXPECT_TRUE(display().enterFullScreen(modes[0]));
    EXPECT_GT(display().framePeriodUs(), 0);
}

TEST_F(SdlDisplayTest, PresentsOnlyTheDirtyRectangles) {
    display().showWindow({0, 0, ScreenWidth, ScreenHeight});
    display().present(screen.data(), {{0, 0, ScreenWidth, ScreenHeight}});
    EXPECT_EQ(shown(5, 7), expand(pixel(5, 7)));
    EXPECT_EQ(shown(639, 479), expand(pixel(639, 479)));

    pixel(200, 450) = rgb565(31, 0, 0);
    pixel(10, 10) = rgb565(0, 0, 31);
    display().present(screen.data(), {{150, 440, 100, 20}});
    EXPECT_EQ(shown(200, 450), (Rgb{255, 0, 0}));
    EXPECT_EQ(shown(10, 10), expand(rgb565(10, 10, 20)));  // changed, but not said to be
}

TEST_F(SdlDisplayTest, ScalesIntoALargerWindowWithBlackBars) {
    display().showWindow({0, 0, 1280, 1024});  // 2x, with 32-pixel bars above and below
    display().present(screen.data(), {{0, 0, ScreenWidth, ScreenHeight}});
    EXPECT_EQ(shown(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(shown(1279, 1023), (Rgb{0, 0, 0}));
    EXPECT_EQ(shown(0, 32), expand(pixel(0, 0)));
    EXPECT_EQ(shown(2 * 300 + 1, 32 + 2 * 100 + 1), expand(pixel(300, 100)));
    EXPECT_EQ(shown(1279, 991), expand(pixel(639, 479)));

    pixel(320, 240) = rgb565(31, 63, 31);
    display().present(screen.data(), {{320, 240, 1, 1}});
    for (const auto& [x, y] : {std::pair{640, 512}, {641, 512}, {640, 513}, {641, 513}})
        EXPECT_EQ(shown(x, y), expand(pixel(320, 240)));
    EXPECT_EQ(shown(642, 512), expand(pixel(321, 240)));
}

TEST_F(SdlDisplayTest, EventsMapToTheScreen) {
    display().showWindow({0, 0, 1280, 1024});
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    auto push = [](SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); };
    SDL_Event motion{};
    motion.motion = {SDL_MOUSEMOTION, 0, SDL_GetWindowID(display().window()), 0, 0, 641, 33, 0, 0};
    push(motion);
    SDL_Event down{};
    down.button = {SDL_MOUSEBUTTONDOWN, 0, 0, 0, SDL_BUTTON_LEFT, SDL_PRESSED, 2, 0, 1279, 991};
    push(down);
    SDL_Event right = down;
    right.button.button = SDL_BUTTON_RIGHT;
    push(right);
    SDL_Event keyDown{};
    keyDown.key.type = SDL_KEYDOWN;
    keyDown.key.keysym.sym = SDLK_ESCAPE;
    push(keyDown);
    SDL_Event keyUp = keyDown;
    keyUp.key.type = SDL_KEYUP;
    keyUp.key.keysym.sym = SDLK_F10;
    push(keyUp);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);

    EventSource& events = platform.events();
    const int64_t now = platform.clock().nowUs();
    auto next = [&] {
        auto event = events.waitEvent(now);
        return event ? std::optional<std::tuple<InputKind, int, int, int>>({event->kind, event->x, event->y, event->key})
                     : std::nullopt;
    };
    EXPECT_EQ(next(), std::tuple(InputKind::MouseMove, 320, 0, 0));
    EXPECT_EQ(next(), std::tuple(InputKind::MouseDoubleDown, 639, 479, 0));
    EXPECT_EQ(next(), std::tuple(InputKind::KeyUp, 0, 0, KeyF10));
    EXPECT_EQ(next(), std::tuple(InputKind::CloseRequest, 0, 0, 0));
    EXPECT_EQ(next(), std::nullopt);
}

TEST_F(SdlDisplayTest, WaitsUntilTheDeadlineWhenNothingComes) {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    const int64_t deadline = platform.clock().nowUs() + 20'000;
    EXPECT_EQ(platform.events().waitEvent(deadline), std::nullopt);
    EXPECT_GE(platform.clock().nowUs(), deadline);
}

}  // namespace
}  // namespace zav
