#include <gtest/gtest.h>

#include "ScreenState.h"

using namespace zav;

namespace {

enum class EscapeEffect { SkipsIntro, Nothing, LeavesCredits };

struct ScreenStateCase {
    const char* name;
    void (*reach)(DiskFixture&);
    EscapeEffect escape;
};

void clickCredits(DiskFixture& disk) {
    disk.move(5, 380);
    disk.click(5, 380);
}

const ScreenStateCase States[] = {
    {"intro, rising", [](DiskFixture& d) { d.start(); d.ticks(50); }, EscapeEffect::SkipsIntro},
    {"intro, logo", [](DiskFixture& d) { d.start(); d.advanceToUs(introTickUs(270)); }, EscapeEffect::SkipsIntro},
    {"loading backdrop", [](DiskFixture& d) { d.start(); d.advanceToUs(introTickUs(295)); }, EscapeEffect::SkipsIntro},
    {"menu", [](DiskFixture& d) { d.startInMenu(); }, EscapeEffect::Nothing},
    {"to the credits",
     [](DiskFixture& d) {
         d.startInMenu();
         clickCredits(d);
         d.advanceMs(700);
     },
     EscapeEffect::Nothing},
    {"credits",
     [](DiskFixture& d) {
         d.startInMenu();
         clickCredits(d);
         d.advanceMs(2'000);
     },
     EscapeEffect::LeavesCredits},
    {"back to the menu",
     [](DiskFixture& d) {
         d.startInMenu();
         clickCredits(d);
         d.advanceMs(2'000);
         d.click(100, 100);
         d.advanceMs(1'200);
     },
     EscapeEffect::Nothing},
};

}  // namespace

TEST(Keyboard, EscapeInEveryScreenState) {
    for (const ScreenStateCase& s : States) {
        SCOPED_TRACE(s.name);
        DiskFixture disk;
        s.reach(disk);
        const TFormZAV& f = disk.form();
        const std::string before = snapshot(f);
        disk.keyUp(KeyEscape);
        switch (s.escape) {
        case EscapeEffect::SkipsIntro:
            EXPECT_FALSE(f.PanelMenu->visible());
            EXPECT_EQ(f.IntroTicks, 64);
            EXPECT_EQ(f.Matrix->top(), -480);
            break;
        case EscapeEffect::Nothing: EXPECT_EQ(snapshot(f), before); break;
        case EscapeEffect::LeavesCredits:
            EXPECT_FALSE(f.PanelMenu->visible());
            EXPECT_FALSE(f.TimerTitulky->enabled());
            EXPECT_TRUE(f.TimerScreen->enabled());
            EXPECT_EQ(f.CreditsOpening, 0);
            break;
        }
        EXPECT_FALSE(disk.application->terminated());
    }
}

TEST(Keyboard, F10ClosesInEveryScreenState) {
    for (const ScreenStateCase& s : States) {
        SCOPED_TRACE(s.name);
        DiskFixture disk;
        s.reach(disk);
        const int closesBefore = disk.library.count("close");
        const int pointerBefore = disk.application->pointer().count();
        disk.keyUp(KeyF10);
        EXPECT_EQ(disk.library.count("close") - closesBefore, 1);
        EXPECT_TRUE(disk.application->minimized());
        EXPECT_TRUE(disk.display.minimised);
        EXPECT_EQ(disk.form().windowState(), WindowState::Minimized);
        EXPECT_TRUE(disk.application->terminated());
        EXPECT_EQ(disk.application->pointer().count(), pointerBefore) << "the pointer is left as it was";
        EXPECT_TRUE(disk.boxes.shown.empty());
        disk.advanceMs(1'000);
        EXPECT_EQ(disk.library.count("close") - closesBefore, 1) << "the loop has ended";
    }
}

TEST(Closing, EveryCloseRequestShutsTheLibraryDownOnce) {
    struct Case {
        const char* how;
        void (*request)(DiskFixture&);
    } cases[] = {
        {"F10", [](DiskFixture& d) { d.keyUp(KeyF10); }},
        {"Quit entry", [](DiskFixture& d) { d.move(5, 465); d.click(5, 445); }},
        {"close message", [](DiskFixture& d) { d.send({InputKind::CloseRequest, 0, 0, 0}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        DiskFixture disk;
        disk.startInMenu();
        const int closesBefore = disk.library.count("close");
        c.request(disk);
        EXPECT_EQ(disk.library.count("close") - closesBefore, 1);
        EXPECT_TRUE(disk.application->minimized());
        EXPECT_EQ(disk.form().windowState(), WindowState::Minimized);
        EXPECT_TRUE(disk.application->terminated());
    }
}

TEST(Closing, WhileASongPlaysAndAfterMute) {
    for (bool muted : {false, true}) {
        SCOPED_TRACE(muted ? "after Mute" : "while a song plays");
        DiskFixture disk;
        disk.startInMenu();
        disk.move(430, 248);
        disk.click(430, 248);
        ASSERT_TRUE(disk.library.playing);
        if (muted) {
            disk.move(5, 425);
            disk.click(5, 425);
            EXPECT_EQ(disk.library.calls.back(), "stop 9");
            EXPECT_FALSE(disk.library.playing);
        }
        const int closesBefore = disk.library.count("close");
        disk.keyUp(KeyF10);
        EXPECT_EQ(disk.library.count("close") - closesBefore, 1);
        EXPECT_FALSE(disk.library.playing);
        EXPECT_TRUE(disk.application->terminated());
    }
}

TEST(Closing, AFailingShutdownIsReportedAndEndsWithoutMinimising) {
    DiskFixture disk;
    disk.startInMenu();
    const int closesBefore = disk.library.count("close");
    disk.library.closeFailuresLeft = 1;
    disk.library.message = "sound device lost";
    disk.keyUp(KeyF10);
    ASSERT_EQ(disk.boxes.shown.size(), 1u);
    EXPECT_EQ(disk.boxes.shown[0].text, "MIDAS error: sound device lost");
    EXPECT_EQ(disk.boxes.shown[0].caption, "Z.A.V - Korvath");
    EXPECT_EQ(disk.library.count("close") - closesBefore, 2) << "closed again after the report";
    EXPECT_TRUE(disk.ended);
    EXPECT_FALSE(disk.application->minimized());
    EXPECT_FALSE(disk.display.minimised);
    EXPECT_FALSE(disk.application->terminated()) << "no quit request";
    EXPECT_TRUE(disk.display.windowDestroyed) << "the display is given back";
}
