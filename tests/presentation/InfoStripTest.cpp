#include <gtest/gtest.h>

#include "ScreenState.h"
#include "screen/ScreenPictures.h"

using namespace zav;

namespace {

constexpr int RestartLeft = 403;  // the strip panel's width plus 10

struct SongLine {
    int entry;  // index into MenuPoints
    const char* line;
    const char* module;
    int width;
    int passTicks;  // ticks from the restart position until the pass ends
};

const SongLine SongLines[] = {
    {0, "Text1", "MUSICDAT/clouds.zav", 642, 523},     {1, "Text7", "MUSICDAT/intots.zav", 512, 458},
    {2, "Text8", "MUSICDAT/labyrint.zav", 673, 539},   {3, "Text9", "MUSICDAT/lcrusade.zav", 664, 534},
    {4, "Text10", "MUSICDAT/psycho.zav", 824, 614},    {5, "text2", "MUSICDAT/cyber_dr.zav", 647, 526},
    {6, "text5", "MUSICDAT/friends.zav", 616, 510},    {7, "text4", "MUSICDAT/frailove.zav", 529, 467},
    {8, "text6", "MUSICDAT/inborn.zav", 642, 523},     {9, "Text11", "MUSICDAT/toots.zav", 614, 509},
    {10, "Text12", "MUSICDAT/turric2.zav", 606, 505},  {11, "Text3", "MUSICDAT/dfactory.zav", 667, 536},
};

void pick(DiskFixture& disk, int entry) {
    const MenuPoint& p = MenuPoints[entry];
    disk.move(p.x, p.y);
    disk.click(p.x, p.y);
}

bool showsMainText(const TFormZAV& f) {
    return f.ScrollText->picture().sharesPixelsWith(screenPicture("ScrollText")) && f.ScrollText->width() == 14171 &&
           f.MainStripShowing == 1;
}

}  // namespace

TEST(InfoStrip, AMainTextPassTakes7288TicksFromTheRestartPosition) {
    DiskFixture disk;
    disk.startInMenu();
    const TFormZAV& f = disk.form();
    ASSERT_EQ(f.ScrollText->left(), RestartLeft);
    disk.ticks(6);
    EXPECT_EQ(f.ScrollText->left(), 391) << "first visible in the panel";
    disk.ticks(7287 - 6);
    EXPECT_EQ(f.ScrollText->left(), -14171) << "exactly minus the width: one more step first";
    EXPECT_EQ(f.StripPasses, 0);
    disk.ticks(1);
    EXPECT_EQ(f.ScrollText->left(), RestartLeft);
    EXPECT_EQ(f.StripPasses, 1);
    EXPECT_TRUE(showsMainText(f));
}

// Each song's line: its module plays, its line runs three passes from the restart position,
// and the main text comes back within the tick that ends the third.
TEST(InfoStrip, EachSongLineRunsThreePassesThenTheMainText) {
    for (const SongLine& s : SongLines) {
        SCOPED_TRACE(s.line);
        DiskFixture disk;
        disk.startInMenu();
        disk.ticks(100);
        const TFormZAV& f = disk.form();
        pick(disk, s.entry);
        EXPECT_EQ(disk.library.calls.back(), "play 7 1");
        EXPECT_EQ(disk.library.count(std::string("load ") + s.module), 1);
        EXPECT_TRUE(f.ScrollText->picture().sharesPixelsWith(screenPicture(s.line)));
        EXPECT_EQ(f.ScrollText->bounds(), (Rect{RestartLeft, 0, s.width, f.ScrollText->height()}));
        EXPECT_EQ(f.MainStripShowing, 0);
        for (int pass = 1; pass <= 3; ++pass) {
            disk.ticks(s.passTicks - 1);
            EXPECT_EQ(f.StripPasses, pass - 1);
            EXPECT_EQ(f.ScrollText->left(), RestartLeft - 2 * (s.passTicks - 1));
            EXPECT_TRUE(f.ScrollText->picture().sharesPixelsWith(screenPicture(s.line)));
            disk.ticks(1);
            EXPECT_EQ(f.ScrollText->left(), RestartLeft);
            if (pass < 3) {
                EXPECT_EQ(f.StripPasses, pass);
            }
        }
        EXPECT_TRUE(showsMainText(f));
        EXPECT_EQ(f.StripPasses, 0);
    }
}

TEST(InfoStrip, TheMainTextCountsPastThreeAndWrapsPast255) {
    DiskFixture disk;
    disk.startInMenu();
    TFormZAV& f = disk.form();
    const int mainPass = 7288;
    f.StripPasses = 2;
    disk.ticks(mainPass);
    EXPECT_EQ(f.StripPasses, 3);
    EXPECT_TRUE(showsMainText(f)) << "nothing happens at 3 with the main text";
    EXPECT_EQ(f.ScrollText->left(), RestartLeft);
    f.StripPasses = 254;
    disk.ticks(2 * mainPass);
    EXPECT_EQ(f.StripPasses, 0);
    EXPECT_TRUE(showsMainText(f));
    disk.ticks(3 * mainPass);
    EXPECT_EQ(f.StripPasses, 3);
    EXPECT_TRUE(showsMainText(f));
}

TEST(InfoStrip, PickingTheRunningSongRestartsItWithFreshPasses) {
    DiskFixture disk;
    disk.startInMenu();
    const TFormZAV& f = disk.form();
    pick(disk, 0);
    disk.ticks(523 + 77);
    ASSERT_EQ(f.StripPasses, 1);
    ASSERT_EQ(f.ScrollText->left(), RestartLeft - 2 * 77);
    disk.click(MenuPoints[0].x, MenuPoints[0].y);
    EXPECT_EQ(disk.library.count("load MUSICDAT/clouds.zav"), 2) << "the module starts again";
    EXPECT_EQ(f.ScrollText->left(), RestartLeft);
    EXPECT_EQ(f.StripPasses, 0);
    disk.ticks(3 * 523 - 1);
    EXPECT_TRUE(f.ScrollText->picture().sharesPixelsWith(screenPicture("Text1")));
    EXPECT_EQ(f.StripPasses, 2);
    disk.ticks(1);
    EXPECT_TRUE(showsMainText(f));
}

TEST(InfoStrip, AMissingSongFileChangesOnlyTheStrip) {
    DiskFixture disk;
    disk.startInMenu();
    const TFormZAV& f = disk.form();
    disk.files.files.erase("MUSICDAT/psycho.zav");
    const std::vector<std::string> callsBefore = disk.library.calls;
    pick(disk, 4);
    EXPECT_EQ(disk.library.calls, callsBefore) << "no library call";
    EXPECT_TRUE(disk.library.playing) << "the theme goes on";
    EXPECT_TRUE(disk.boxes.shown.empty());
    EXPECT_FALSE(disk.ended);
    EXPECT_TRUE(f.ScrollText->picture().sharesPixelsWith(screenPicture("Text10")));
    EXPECT_EQ(f.ScrollText->left(), RestartLeft);
    EXPECT_EQ(f.MainStripShowing, 0);
    disk.ticks(3 * 614);
    EXPECT_TRUE(showsMainText(f));
}
