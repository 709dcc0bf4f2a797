#include <gtest/gtest.h>

#include "ScreenState.h"

using namespace zav;

namespace {

using Lit = std::vector<std::string>;

const MenuPoint& entry(const std::string& highlight) {
    for (const MenuPoint& p : MenuPoints)
        if (highlight == p.highlight) return p;
    throw std::invalid_argument(highlight);
}

void light(DiskFixture& disk, const std::string& highlight) {
    const MenuPoint& p = entry(highlight);
    disk.move(p.x, p.y);
    ASSERT_EQ(shownHighlights(disk.form()), Lit{highlight});
}

void press(DiskFixture& disk, int x, int y) { disk.send({InputKind::MouseDown, x, y, 0}); }
void release(DiskFixture& disk, int x, int y) { disk.send({InputKind::MouseUp, x, y, 0}); }

int songStarts(const DiskFixture& disk) { return disk.library.count("play 7 1") - 1; }  // less the theme

struct MenuTest : ::testing::Test {
    DiskFixture disk;
    void SetUp() override { disk.startInMenu(); }
};

}  // namespace

TEST_F(MenuTest, HoverLightsItsEntryAndPutsOutTheOthersInTheSameEvent) {
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < static_cast<int>(MenuPoints.size()); ++i) {
            const MenuPoint& p = MenuPoints[round == 0 ? i : MenuPoints.size() - 1 - i];
            disk.move(p.x, p.y);
            EXPECT_EQ(shownHighlights(disk.form()), Lit{p.highlight});
        }
    }
    disk.move(100, 100);
    EXPECT_EQ(shownHighlights(disk.form()), Lit{"Clouds2"}) << "the light stays when the pointer leaves";
}

// Neighbouring hot zones share rows; the lower entry, created later, lies on top there.
TEST_F(MenuTest, TheLowerEntryWinsTheSharedRows) {
    struct Case {
        int x, y;
        const char* lit;
    } cases[] = {
        {430, 175, "Clouds2"},       {430, 176, "Intos2"},       {430, 184, "Intos2"},
        {430, 191, "Intos2"},        {430, 192, "Labyrinth2"},   {430, 200, "Labyrinth2"},
        {430, 215, "Labyrinth2"},    {430, 216, "LastCrusader2"}, {430, 239, "LastCrusader2"},
        {430, 240, "Psycho2"},       {430, 256, "CyberDream2"},  {430, 280, "Friends2"},
        {430, 296, "Frail2"},        {430, 320, "Inborn2"},      {430, 336, "Toots2"},
        {430, 360, "Turrican2"},     {430, 376, "DFactory2"},    {5, 407, "Credits2"},
        {5, 408, "Mute2"},
    };
    for (const Case& c : cases) {
        light(disk, "Quit2");  // covers no song zone
        disk.move(c.x, c.y);
        EXPECT_EQ(shownHighlights(disk.form()), Lit{c.lit}) << c.x << "," << c.y;
    }
}

// A lit highlight has no hover handler: it hides the parts of other zones beneath it.
TEST_F(MenuTest, ALitHighlightBlocksTheZonesBeneathIt) {
    struct Case {
        const char* lit;
        int x, y;
        const char* after;
    } cases[] = {
        {"Clouds2", 430, 176, "Clouds2"},   {"Clouds2", 430, 179, "Clouds2"},   {"Clouds2", 430, 180, "Intos2"},
        {"Intos2", 430, 184, "Intos2"},     {"Intos2", 430, 179, "Intos2"},     {"Intos2", 430, 175, "Clouds2"},    {"Intos2", 430, 192, "Intos2"},
        {"Intos2", 430, 198, "Intos2"},     {"Intos2", 430, 199, "Labyrinth2"},
        {"Labyrinth2", 430, 198, "Labyrinth2"}, {"Labyrinth2", 430, 192, "Labyrinth2"},
        {"Labyrinth2", 430, 191, "Intos2"}, {"Labyrinth2", 430, 219, "Labyrinth2"},
        {"Labyrinth2", 430, 220, "LastCrusader2"}, {"Psycho2", 430, 257, "Psycho2"},
        {"Psycho2", 430, 258, "CyberDream2"}, {"Friends2", 430, 278, "Friends2"},
        {"Friends2", 430, 296, "Friends2"}, {"Friends2", 430, 297, "Frail2"},
        {"Friends2", 401, 296, "Frail2"},   {"Turrican2", 430, 359, "Turrican2"},
        {"Turrican2", 430, 378, "Turrican2"}, {"Turrican2", 430, 379, "DFactory2"},
        {"Mute2", 5, 406, "Mute2"},         {"Mute2", 5, 405, "Credits2"},
    };
    for (const Case& c : cases) {
        light(disk, c.lit);
        disk.move(c.x, c.y);
        EXPECT_EQ(shownHighlights(disk.form()), Lit{c.after}) << c.lit << " lit, pointer at " << c.x << "," << c.y;
    }
}

// Clicks act on the lit highlight's whole rectangle and nowhere else.
TEST_F(MenuTest, ClicksActOnTheLitHighlightOnly) {
    struct Case {
        const char* lit;
        int x, y;
        bool plays;
    } cases[] = {
        {"Clouds2", 358, 160, true},   // left of Clouds1
        {"Clouds2", 505, 170, true},   // right of Clouds1
        {"Friends2", 430, 278, true},  // above Friends1
        {"Clouds2", 430, 153, false},  // Clouds1 above Clouds2
        {"Friends2", 401, 288, false}, // Friends1 left of Friends2
        {"Friends2", 463, 288, false}, // Friends1 right of Friends2
        {"Clouds2", 100, 100, false},  // the background
    };
    for (const Case& c : cases) {
        light(disk, c.lit);
        const int before = songStarts(disk);
        disk.move(c.x, c.y);
        disk.click(c.x, c.y);
        EXPECT_EQ(songStarts(disk) - before, c.plays ? 1 : 0) << c.lit << " lit, click at " << c.x << "," << c.y;
        EXPECT_EQ(shownHighlights(disk.form()), Lit{c.lit});
    }
}

TEST_F(MenuTest, AClickNeedsThePressAndTheReleaseOnTheSameControl) {
    light(disk, "Clouds2");
    press(disk, 430, 165);
    disk.move(430, 306);  // over Frail1, but the press holds the pointer
    EXPECT_EQ(shownHighlights(disk.form()), Lit{"Clouds2"});
    release(disk, 430, 306);
    EXPECT_EQ(songStarts(disk), 0);
    disk.move(430, 306);
    EXPECT_EQ(shownHighlights(disk.form()), Lit{"Frail2"}) << "moves go by position again after the release";

    light(disk, "Intos2");
    press(disk, 430, 153);  // on Clouds1
    release(disk, 430, 188);  // on Intos2
    EXPECT_EQ(songStarts(disk), 0);

    press(disk, 430, 188);
    disk.move(100, 100);
    disk.move(440, 190);
    release(disk, 440, 190);
    EXPECT_EQ(songStarts(disk), 1) << "back inside the pressed highlight at the release";
}

TEST_F(MenuTest, ADoubleClickIsOneClick) {
    light(disk, "Clouds2");
    press(disk, 430, 165);
    release(disk, 430, 165);
    disk.send({InputKind::MouseDoubleDown, 430, 165, 0});
    release(disk, 430, 165);
    EXPECT_EQ(songStarts(disk), 1);
    EXPECT_EQ(disk.library.count("load MUSICDAT/clouds.zav"), 1);
}

TEST_F(MenuTest, QuitIsReachableOnlyInRows448To479) {
    struct Case {
        int y;
        const char* lit;
    } cases[] = {{443, "Clouds2"}, {447, "Clouds2"}, {448, "Quit2"}, {479, "Quit2"}, {480, "Clouds2"}, {487, "Clouds2"}};
    for (const Case& c : cases) {
        light(disk, "Clouds2");
        disk.move(5, c.y);
        EXPECT_EQ(shownHighlights(disk.form()), Lit{c.lit}) << "row " << c.y;
    }
}
