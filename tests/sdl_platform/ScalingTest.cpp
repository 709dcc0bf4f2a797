#include <gtest/gtest.h>

#include "platform/sdl/FramePeriod.h"
#include "platform/sdl/ScreenScaling.h"

namespace zav {
namespace {

TEST(ScreenScalingTest, LetterboxKeepsFourByThreeCentred) {
    const struct {
        Size output;
        Rect viewport;
    } cases[] = {
        {{640, 480}, {0, 0, 640, 480}},     {{800, 600}, {0, 0, 800, 600}},
        {{1280, 1024}, {0, 32, 1280, 960}}, {{1920, 1080}, {240, 0, 1440, 1080}},
        {{641, 480}, {0, 0, 640, 480}},     {{320, 240}, {0, 0, 320, 240}},
        {{0, 0}, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) EXPECT_EQ(letterbox(c.output), c.viewport) << c.output.width << "x" << c.output.height;
}

TEST(ScreenScalingTest, PointerMapsBackToTheScreen) {
    const Rect bars = letterbox({1280, 1024});  // 32-pixel bars above and below
    const Rect wide = letterbox({1920, 1080});  // 240-pixel bars left and right
    const struct {
        Rect viewport;
        int x, y;
        ScreenPoint screen;
    } cases[] = {
        {{0, 0, 640, 480}, 17, 300, {17, 300}},
        {{0, 0, 800, 600}, 799, 599, {639, 479}},
        {{0, 0, 800, 600}, 400, 300, {320, 240}},
        {bars, 0, 32, {0, 0}},
        {bars, 1279, 991, {639, 479}},
        {bars, 640, 10, {320, -11}},     // in the top bar: above the screen
        {bars, 640, 992, {320, 480}},    // in the bottom bar: below it
        {wide, 239, 0, {-1, 0}},
        {wide, 240 + 1439, 1079, {639, 479}},
    };
    for (const auto& c : cases) EXPECT_EQ(toScreenPoint(c.viewport, c.x, c.y), c.screen) << c.x << "," << c.y;
}

// Every window pixel showing a changed screen pixel must be redrawn, and no other.
TEST(ScreenScalingTest, OutputRectCoversExactlyThePixelsShowingTheScreenRect) {
    const Rect screenRects[] = {{0, 0, 640, 480}, {123, 439, 393, 41}, {1, 1, 1, 1}, {639, 0, 1, 480}};
    for (const Size output : {Size{640, 480}, Size{800, 600}, Size{1024, 768}, Size{1280, 1024}, Size{1366, 768},
                              Size{320, 240}}) {
        const Rect viewport = letterbox(output);
        for (const Rect& r : screenRects) {
            const Rect covered = toOutputRect(viewport, r);
            for (int x = viewport.left - 1; x <= viewport.right(); ++x) {
                const ScreenPoint p = toScreenPoint(viewport, x, viewport.top);
                EXPECT_EQ(p.x >= r.left && p.x < r.right(), x >= covered.left && x < covered.right())
                    << output.width << "x" << output.height << " column " << x;
            }
            for (int y = viewport.top - 1; y <= viewport.bottom(); ++y) {
                const ScreenPoint p = toScreenPoint(viewport, viewport.left, y);
                EXPECT_EQ(p.y >= r.top && p.y < r.bottom(), y >= covered.top && y < covered.bottom())
                    << output.width << "x" << output.height << " row " << y;
            }
        }
    }
}

TEST(FramePeriodTest, WholeFramesNearestOneSixtieth) {
    const struct {
        int hz;
        int64_t us;
    } cases[] = {{0, 16667}, {60, 16667}, {59, 16949}, {50, 20000}, {75, 13333},
                 {120, 16667}, {144, 13889}, {165, 18182}, {240, 16667}};
    for (const auto& c : cases) EXPECT_EQ(framePeriodUsForRefresh(c.hz), c.us) << c.hz << " Hz";
}

}  // namespace
}  // namespace zav
