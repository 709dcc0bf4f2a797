#include <gtest/gtest.h>

#include <algorithm>

#include "ScreenState.h"

using namespace zav;

namespace {

struct IntroPosition {
    int matrixTop;
    int introTicks;
};

// Where the matrix and the count stand after the n-th tick: 224 rising ticks of 5 pixels from
// 640, then the resting ticks are counted.
IntroPosition afterTick(int n) {
    if (n <= 224) return {640 - 5 * n, 0};
    return {-480, n - 224};
}

}  // namespace

TEST(Intro, EveryTickComesWhenDueAndNotBefore) {
    DiskFixture disk;
    disk.start();
    const TFormZAV& f = disk.form();
    for (int n = 1; n <= 306; ++n) {
        disk.advanceToUs(introTickUs(n) - 1);
        const IntroPosition before = afterTick(n - 1);
        ASSERT_EQ(f.Matrix->top(), before.matrixTop) << "just before tick " << n;
        ASSERT_EQ(f.IntroTicks, before.introTicks) << "just before tick " << n;
        disk.advanceToUs(introTickUs(n));
        const IntroPosition after = afterTick(n);
        ASSERT_EQ(f.Matrix->top(), after.matrixTop) << "tick " << n;
        ASSERT_EQ(f.IntroTicks, after.introTicks) << "tick " << n;
    }
}

TEST(Intro, WhatChangesOnTheTicksThatAct) {
    struct Row {
        int tick;
        int interval;
        bool matrix, logo, menu, introPanel, introTimer, stripTimer;
        int pointerCount;
    } rows[] = {
        {224, 1, true, false, true, true, true, false, -1},     // lands on the stop position only
        {225, 100, true, false, true, true, true, false, -1},   // first resting tick
        {226, 100, true, false, true, true, true, false, -1},
        {253, 100, true, false, true, true, true, false, -1},
        {254, 100, false, true, true, true, true, false, -1},   // logo
        {288, 100, false, true, true, true, true, false, -1},
        {289, 100, false, true, false, true, true, false, -1},  // loading backdrop
        {305, 100, false, true, false, true, true, false, -1},
        {306, 100, false, true, true, false, false, true, 0},   // menu
    };
    DiskFixture disk;
    disk.start();
    const TFormZAV& f = disk.form();
    for (const Row& r : rows) {
        disk.advanceToUs(introTickUs(r.tick));
        SCOPED_TRACE("tick " + std::to_string(r.tick));
        EXPECT_EQ(f.TimerIntro->interval(), r.interval);
        EXPECT_EQ(f.Matrix->visible(), r.matrix);
        EXPECT_EQ(f.Logo->visible(), r.logo);
        EXPECT_EQ(f.PanelMenu->visible(), r.menu);
        EXPECT_EQ(f.PanelIntro->visible(), r.introPanel);
        EXPECT_EQ(f.TimerIntro->enabled(), r.introTimer);
        EXPECT_EQ(f.TimerScrollText->enabled(), r.stripTimer);
        EXPECT_EQ(disk.application->pointer().count(), r.pointerCount);
        EXPECT_EQ(disk.display.pointerVisible, r.pointerCount >= 0);
    }
}

TEST(Intro, EndsForGoodAndShowsThePointerOnce) {
    DiskFixture disk;
    disk.startInMenu();
    disk.advanceMs(60'000);
    const TFormZAV& f = disk.form();
    EXPECT_FALSE(f.TimerIntro->enabled());
    EXPECT_EQ(f.IntroTicks, 82);
    EXPECT_FALSE(f.PanelIntro->visible());
    EXPECT_EQ(disk.application->pointer().count(), 0);
    EXPECT_EQ(std::count(disk.display.calls.begin(), disk.display.calls.end(), "pointerShown"), 1);
    EXPECT_TRUE(shownHighlights(f).empty()) << "no entry lit before the first hover";
}

// Escape released at `keyUs` in each phase: the backdrop at once, the menu 1.7 s after the
// intro timer's next tick, the logo never shown when it had not been yet.
TEST(Intro, EscapeSkipsToTheBackdropInEveryPhase) {
    struct Case {
        const char* phase;
        int64_t keyUs;
        int64_t nextTickUs;
        bool logoShown;
    } cases[] = {
        {"before the first tick", 0, introTickUs(1), false},
        {"rise", introTickUs(100) + 5'000, introTickUs(101), false},
        {"last rising tick", introTickUs(224) + 5'000, introTickUs(225), false},
        {"rest", introTickUs(230) + 50'000, introTickUs(231), false},
        {"logo", introTickUs(260) + 50'000, introTickUs(261), true},
        {"backdrop", introTickUs(295) + 50'000, introTickUs(296), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phase);
        DiskFixture disk;
        disk.start();
        const TFormZAV& f = disk.form();
        disk.advanceToUs(c.keyUs);
        disk.keyUp(KeyEscape);
        EXPECT_FALSE(f.PanelMenu->visible()) << "backdrop at once";
        EXPECT_EQ(f.Matrix->top(), -480);
        EXPECT_EQ(f.IntroTicks, 64);

        const int64_t menuUs = c.nextTickUs + 1'700'000;
        disk.advanceToUs(menuUs - 1);
        EXPECT_FALSE(f.PanelMenu->visible());
        EXPECT_EQ(f.IntroTicks, 81);
        EXPECT_EQ(f.TimerIntro->interval(), 100);
        disk.advanceToUs(menuUs);
        EXPECT_TRUE(f.PanelMenu->visible());
        EXPECT_FALSE(f.PanelIntro->visible());
        EXPECT_FALSE(f.TimerIntro->enabled());
        EXPECT_TRUE(f.TimerScrollText->enabled());
        EXPECT_EQ(f.Logo->visible(), c.logoShown);
        EXPECT_EQ(disk.application->pointer().count(), 0);
        EXPECT_TRUE(disk.display.pointerVisible);
    }
}

TEST(Intro, RepeatedEscapeOnTheBackdropRestartsTheWait) {
    DiskFixture disk;
    disk.start();
    const TFormZAV& f = disk.form();
    int64_t keyUs = introTickUs(290) + 50'000;
    for (int i = 0; i < 3; ++i, keyUs += 1'000'000) {
        disk.advanceToUs(keyUs);
        ASSERT_FALSE(f.PanelMenu->visible());
        disk.keyUp(KeyEscape);
        EXPECT_EQ(f.IntroTicks, 64);
    }
    keyUs -= 1'000'000;
    const int64_t menuUs = keyUs + 50'000 + 1'700'000;  // the next 100 ms tick, then 17 more
    disk.advanceToUs(menuUs - 1);
    EXPECT_FALSE(f.PanelMenu->visible());
    disk.advanceToUs(menuUs);
    EXPECT_TRUE(f.PanelMenu->visible());
    EXPECT_EQ(disk.application->pointer().count(), 0);
}

TEST(Intro, EscapeAfterTheEndDoesNothing) {
    DiskFixture disk;
    disk.startInMenu();
    const std::string before = snapshot(disk.form());
    disk.keyUp(KeyEscape);
    EXPECT_EQ(snapshot(disk.form()), before);
}
