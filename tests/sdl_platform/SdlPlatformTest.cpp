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

class SdlPlatformTest : public testing::Test {
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

TEST_F(SdlPlatformTest, ListsEachResolutionOnceAndEntersOnlyListedSixteenBitModes) {
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

TEST_F(SdlPlatformTest, PresentsOnlyTheDirtyRectangles) {
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

TEST_F(SdlPlatformTest, ScalesIntoALargerWindowWithBlackBars) {
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

SDL_Event mouseEvent(Uint32 type, Uint8 button, Uint8 clicks, int x, int y) {
    SDL_Event event{};
    if (type == SDL_MOUSEMOTION)
        event.motion = {type, 0, 0, 0, 0, x, y, 0, 0};
    else
        event.button = {type, 0, 0, 0, button, Uint8(type == SDL_MOUSEBUTTONDOWN), clicks, 0, x, y};
    return event;
}

SDL_Event keyEvent(Uint32 type, SDL_Keycode key) {
    SDL_Event event{};
    event.key.type = type;
    event.key.keysym.sym = key;
    return event;
}

SDL_Event windowEvent(Uint8 what) {
    SDL_Event event{};
    event.window.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

TEST_F(SdlPlatformTest, TranslatesEventsWithThePointerOnTheScreen) {
    display().showWindow({0, 0, 1280, 1024});  // 2x, with 32-pixel bars above and below
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    const struct {
        const char* what;
        SDL_Event event;
        std::optional<InputEvent> input;
    } cases[] = {
        {"move", mouseEvent(SDL_MOUSEMOTION, 0, 0, 641, 33), InputEvent{InputKind::MouseMove, 320, 0}},
        {"move in bar", mouseEvent(SDL_MOUSEMOTION, 0, 0, 0, 1000), InputEvent{InputKind::MouseMove, 0, 484}},
        {"press", mouseEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1279, 991), InputEvent{InputKind::MouseDown, 639, 479}},
        {"double", mouseEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2, 2, 34), InputEvent{InputKind::MouseDoubleDown, 1, 1}},
        {"triple", mouseEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 2, 34), InputEvent{InputKind::MouseDown, 1, 1}},
        {"release", mouseEvent(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1, 4, 36), InputEvent{InputKind::MouseUp, 2, 2}},
        {"right press", mouseEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 4, 36), std::nullopt},
        {"key down", keyEvent(SDL_KEYDOWN, SDLK_ESCAPE), std::nullopt},
        {"key up", keyEvent(SDL_KEYUP, SDLK_F10), InputEvent{InputKind::KeyUp, 0, 0, KeyF10}},
        {"key without code", keyEvent(SDL_KEYUP, SDLK_AUDIOPLAY), std::nullopt},
        {"quit", quit, InputEvent{InputKind::CloseRequest}},
        {"close", windowEvent(SDL_WINDOWEVENT_CLOSE), InputEvent{InputKind::CloseRequest}},
        {"exposed", windowEvent(SDL_WINDOWEVENT_EXPOSED), InputEvent{InputKind::Expose}},
        {"restored", windowEvent(SDL_WINDOWEVENT_RESTORED), InputEvent{InputKind::Expose}},
        {"focus lost", windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), std::nullopt},
    };
    for (const auto& c : cases) {
        SDL_Event event = c.event;
        ASSERT_EQ(SDL_PushEvent(&event), 1) << c.what;
        const std::optional<InputEvent> input = platform.events().waitEvent(platform.clock().nowUs());
        ASSERT_EQ(input.has_value(), c.input.has_value()) << c.what;
        if (!input) continue;
        EXPECT_EQ(std::tuple(input->kind, input->x, input->y, input->key),
                  std::tuple(c.input->kind, c.input->x, c.input->y, c.input->key))
            << c.what;
    }
}

TEST_F(SdlPlatformTest, WaitsUntilTheDeadlineWhenNothingComes) {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    const int64_t deadline = platform.clock().nowUs() + 20'000;
    EXPECT_EQ(platform.events().waitEvent(deadline), std::nullopt);
    EXPECT_GE(platform.clock().nowUs(), deadline);
}

}  // namespace
}  // namespace zav
