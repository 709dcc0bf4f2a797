#include <gtest/gtest.h>

#include <algorithm>

#include "DiskFixture.h"

using namespace zav;

namespace {

std::vector<Rect> sorted(std::vector<Rect> rects) {
    std::sort(rects.begin(), rects.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });
    return rects;
}

struct RedrawTest : ::testing::Test {
    DiskFixture disk;
    TFormZAV* f = nullptr;
    void SetUp() override {
        disk.startInMenu();
        f = &disk.form();
    }
    // What the next change would redraw, without the loop presenting it.
    std::vector<Rect> marked() { return sorted(f->paint()); }
};

}  // namespace

// A strip tick redraws the strip's part of its panel, clipped by the panel: all 41 rows only for
// a line at least that tall.
TEST_F(RedrawTest, AStripTickRedrawsOnlyTheStripInsideItsPanel) {
    disk.ticks(300);
    disk.ticks(1);
    EXPECT_EQ(disk.display.lastDirty, (std::vector<Rect>{{232, 424, 393, 37}})) << "the main text is 37 rows high";

    disk.move(430, 268);
    disk.click(430, 268);  // CyberDream: a line 46 rows high
    disk.ticks(250);
    const int presents = disk.display.presents;
    disk.ticks(1);
    EXPECT_EQ(disk.display.presents, presents + 1);
    EXPECT_EQ(disk.display.lastDirty, (std::vector<Rect>{{232, 424, 393, 41}}));
}

TEST_F(RedrawTest, AStripEnteringThePanelRedrawsOnlyWhatItCovers) {
    disk.ticks(6);
    EXPECT_EQ(disk.display.lastDirty, (std::vector<Rect>{{623, 424, 2, 37}}));
}

TEST_F(RedrawTest, ARollTickRedrawsOnlyTheRollInsideItsFrame) {
    disk.move(5, 380);
    disk.click(5, 380);
    disk.advanceMs(1'500);
    disk.ticks(200);
    disk.ticks(1);
    // The roll, 160 wide at left 24 of the frame, now at top 101, down to the frame's bottom.
    EXPECT_EQ(disk.display.lastDirty, (std::vector<Rect>{{366, 152 + 101, 160, 297 - 101}}));
}

TEST_F(RedrawTest, MovesWithinALitEntryRedrawNothing) {
    disk.move(430, 165);
    const int presents = disk.display.presents;
    for (int x = 380; x < 490; x += 10) disk.move(x, 170);
    EXPECT_EQ(disk.display.presents, presents);
}

TEST_F(RedrawTest, MovingTheLightRedrawsTheTwoHighlightsOnly) {
    disk.move(430, 165);
    disk.move(430, 188);
    EXPECT_EQ(sorted(disk.display.lastDirty), (std::vector<Rect>{{355, 155, 155, 25}, {355, 180, 155, 19}}));
}

TEST_F(RedrawTest, ChangesInsideAHiddenPanelRedrawNothing) {
    f->Titulky->setTop(0);
    f->Credits->setVisible(false);
    f->Credits->setVisible(true);
    f->PanelCredits->setAlign(Align::Client);
    EXPECT_TRUE(marked().empty());
    f->PanelCredits->setVisible(true);
    EXPECT_EQ(marked(), (std::vector<Rect>{{0, 0, 640, 480}}));
}

TEST_F(RedrawTest, SettingAValueAlreadyHeldRedrawsNothing) {
    f->Clouds2->setVisible(false);
    f->PanelMenu->setVisible(true);
    f->ScrollText->setLeft(f->ScrollText->left());
    f->PanelCredits->setEnabled(true);
    EXPECT_TRUE(marked().empty());
}
