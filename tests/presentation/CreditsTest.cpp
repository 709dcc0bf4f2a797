#include <gtest/gtest.h>

#include "ScreenState.h"

using namespace zav;

namespace {

constexpr int64_t TransitionUs = 1'500'000;
constexpr int RollRestartTop = 302;  // the frame's height plus 5

struct CreditsTest : ::testing::Test {
    DiskFixture disk;
    TFormZAV* f = nullptr;

    void SetUp() override {
        disk.startInMenu();
        f = &disk.form();
    }
    void clickCredits() {
        const MenuPoint& p = MenuPoints[12];
        disk.move(p.x, p.y);
        disk.click(p.x, p.y);
    }
    // From the menu to the credits screen; returns when it shows.
    void openCredits() {
        clickCredits();
        disk.advanceUs(TransitionUs);
        ASSERT_TRUE(f->TimerTitulky->enabled());
    }
    bool onCredits() const { return f->PanelMenu->visible() && f->PanelCredits->visible() && f->TimerTitulky->enabled(); }
    bool inMenu() const {
        return f->PanelMenu->visible() && !f->PanelCredits->visible() && f->PanelSTextem->visible() &&
               f->TimerScrollText->enabled() && !f->TimerScreen->enabled();
    }
};

}  // namespace

TEST_F(CreditsTest, ThereAndBackTakeOneAndAHalfSecondsEachEveryVisit) {
    for (int visit = 1; visit <= 3; ++visit) {
        SCOPED_TRACE("visit " + std::to_string(visit));
        clickCredits();
        EXPECT_FALSE(f->PanelMenu->visible()) << "loading backdrop";
        EXPECT_FALSE(f->PanelSTextem->visible());
        EXPECT_FALSE(f->TimerScrollText->enabled());
        EXPECT_FALSE(f->PanelCredits->enabled());
        disk.advanceUs(TransitionUs - 1);
        EXPECT_EQ(f->TransitionTicks, 2);
        EXPECT_FALSE(f->PanelMenu->visible());
        disk.advanceUs(1);
        EXPECT_TRUE(onCredits());
        EXPECT_TRUE(f->PanelCredits->enabled());
        EXPECT_FALSE(f->TimerScreen->enabled());
        EXPECT_EQ(f->PanelCredits->bounds(), (Rect{0, 0, 640, 480}));

        disk.advanceMs(2'000);
        disk.click(100, 100);
        EXPECT_FALSE(f->PanelMenu->visible());
        EXPECT_FALSE(f->PanelCredits->visible());
        EXPECT_FALSE(f->TimerTitulky->enabled());
        disk.advanceUs(TransitionUs - 1);
        EXPECT_FALSE(f->PanelMenu->visible());
        disk.advanceUs(1);
        EXPECT_TRUE(inMenu());
        EXPECT_EQ(f->TransitionTicks, 3);
        EXPECT_EQ(shownHighlights(*f), std::vector<std::string>{"Credits2"});
        disk.advanceMs(5'000);
        EXPECT_EQ(f->TransitionTicks, 3) << "the transition timer stays off";
    }
}

TEST_F(CreditsTest, PanelCreditsKeepsItsStoredBoundsUntilFirstShown) {
    EXPECT_EQ(f->PanelCredits->bounds(), (Rect{0, 1000, 800, 553}));
    clickCredits();
    disk.advanceUs(TransitionUs - 1);
    EXPECT_EQ(f->PanelCredits->bounds(), (Rect{0, 1000, 800, 553}));
    disk.advanceUs(1);
    EXPECT_EQ(f->PanelCredits->bounds(), (Rect{0, 0, 640, 480}));
    EXPECT_EQ(f->Credits->bounds(), (Rect{0, 0, 640, 480}));
}

TEST_F(CreditsTest, TheStripPausesAndContinuesFromWhereItStopped) {
    disk.ticks(1234);
    const int left = f->ScrollText->left();
    const uint8_t passes = f->StripPasses;
    openCredits();
    disk.advanceMs(10'000);
    disk.keyUp(KeyEscape);
    disk.advanceUs(TransitionUs);
    ASSERT_TRUE(inMenu());
    EXPECT_EQ(f->ScrollText->left(), left);
    EXPECT_EQ(f->StripPasses, passes);
    disk.ticks(1);
    EXPECT_EQ(f->ScrollText->left(), left - 2);
}

TEST_F(CreditsTest, AClickAnywhereOnTheCreditsScreenGoesBack) {
    struct Case {
        const char* on;
        int x, y;
    } cases[] = {{"Titulky", 400, 300}, {"TitulkyPanel", 350, 200}, {"Credits", 100, 100}, {"Credits", 639, 479}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.on);
        openCredits();
        disk.ticks(200);  // the roll is well inside its frame
        ASSERT_TRUE(f->findControl(c.on)->visibleScreenRect().contains(c.x, c.y));
        disk.move(c.x, c.y);
        disk.click(c.x, c.y);
        EXPECT_FALSE(f->PanelMenu->visible());
        EXPECT_EQ(f->CreditsOpening, 0);
        disk.advanceUs(TransitionUs);
        EXPECT_TRUE(inMenu());
    }
}

TEST_F(CreditsTest, EscapeGoesBackFromTheCreditsScreenAndNothingDuringTransitions) {
    clickCredits();
    disk.advanceMs(700);
    std::string before = snapshot(*f);
    disk.keyUp(KeyEscape);
    EXPECT_EQ(snapshot(*f), before);
    disk.advanceMs(800);
    ASSERT_TRUE(onCredits()) << "on time despite the key";

    disk.keyUp(KeyEscape);
    EXPECT_FALSE(f->PanelMenu->visible());
    EXPECT_FALSE(f->TimerTitulky->enabled());
    disk.advanceMs(1'000);
    before = snapshot(*f);
    disk.keyUp(KeyEscape);
    EXPECT_EQ(snapshot(*f), before);
    disk.advanceMs(500);
    EXPECT_TRUE(inMenu());
}

TEST_F(CreditsTest, TheRollRisesAndRestartsOnTheTickAfterReachingItsHeight) {
    openCredits();
    EXPECT_EQ(f->Titulky->top(), RollRestartTop);
    disk.ticks(6);
    EXPECT_EQ(f->Titulky->top(), 296);
    disk.ticks(1448 - 6);
    EXPECT_EQ(f->Titulky->top(), -1146);
    disk.ticks(1);
    EXPECT_EQ(f->Titulky->top(), RollRestartTop);
    disk.ticks(1449);
    EXPECT_EQ(f->Titulky->top(), RollRestartTop) << "a full cycle is 1449 ticks";
}

TEST_F(CreditsTest, EveryVisitStartsTheRollFromItsRestartPosition) {
    for (int ticksOnScreen : {100, 700, 1448}) {
        openCredits();
        EXPECT_EQ(f->Titulky->top(), RollRestartTop);
        disk.ticks(ticksOnScreen);
        disk.click(100, 100);
        disk.advanceUs(TransitionUs);
        ASSERT_TRUE(inMenu());
    }
}

TEST_F(CreditsTest, ADoubleClickOnTheCreditsScreenStartsOneTransition) {
    openCredits();
    disk.click(100, 100);
    disk.send({InputKind::MouseDoubleDown, 100, 100, 0});
    disk.send({InputKind::MouseUp, 100, 100, 0});
    disk.advanceUs(TransitionUs - 1);
    EXPECT_FALSE(f->PanelMenu->visible());
    disk.advanceUs(1);
    EXPECT_TRUE(inMenu());
}
