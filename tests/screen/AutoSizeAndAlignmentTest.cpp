#include <gtest/gtest.h>

#include "DiskFixture.h"
#include "screen/ScreenPictures.h"

using namespace zav;

TEST(AutoSize, APictureCopySizesTheStripAndLeavesItsPlace) {
    DiskFixture disk;
    disk.startInMenu();
    TFormZAV& f = disk.form();
    disk.ticks(10);
    f.ScrollText->setPicture(f.Text1->picture());
    EXPECT_EQ(f.ScrollText->bounds(), (Rect{383, 0, 642, 38}));
    f.ScrollText->setPicture(f.TextHlavni->picture());
    EXPECT_EQ(f.ScrollText->bounds(), (Rect{383, 0, 14171, 37}));
}

TEST(AutoSize, WithoutItTheControlKeepsItsSize) {
    DiskFixture disk;
    ASSERT_TRUE(disk.create());
    TFormZAV& f = disk.form();
    f.Text1->setPicture(f.text2->picture());
    EXPECT_EQ(f.Text1->bounds(), (Rect{608, 16, 33, 33}));
}

TEST(FillParent, AHiddenControlIsAlignedOnlyWhenShown) {
    DiskFixture disk;
    disk.startInMenu();
    TFormZAV& f = disk.form();
    f.PanelCredits->setAlign(Align::Client);
    EXPECT_EQ(f.PanelCredits->bounds(), (Rect{0, 1000, 800, 553}));
    f.PanelCredits->setTop(900);
    EXPECT_EQ(f.PanelCredits->bounds(), (Rect{0, 900, 800, 553}));
    f.PanelCredits->setVisible(true);
    EXPECT_EQ(f.PanelCredits->bounds(), (Rect{0, 0, 640, 480}));
    EXPECT_EQ(f.Credits->bounds(), (Rect{0, 0, 640, 480})) << "its own filling child follows";
    f.PanelCredits->setTop(100);
    EXPECT_EQ(f.PanelCredits->bounds(), (Rect{0, 0, 640, 480})) << "alignment follows every move";
}

TEST(FillParent, FillingWinsOverAutomaticSizing) {
    DiskFixture disk;
    ASSERT_TRUE(disk.create());
    TFormZAV& f = disk.form();
    f.ImageMenuPozadi->setPicture(f.Text1->picture());
    EXPECT_EQ(f.ImageMenuPozadi->bounds(), (Rect{0, 0, 640, 480}));
}
