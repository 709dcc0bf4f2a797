#include <gtest/gtest.h>

#include <functional>

#include "DiskFixture.h"
#include "screen/MouseRouter.h"

using namespace zav;

namespace {

struct Probe {
    int x, y;
    const char* receiver;  // nothing: the point is off the screen
};

struct Scene {
    const char* name;
    std::function<void(DiskFixture&)> reach;
    std::vector<Probe> probes;
};

void showOnly(DiskFixture& disk, const char* highlight) {
    disk.startInMenu();
    disk.form().findControl(highlight)->setVisible(true);
}

const Scene Scenes[] = {
    {"menu, nothing lit",
     [](DiskFixture& d) { d.startInMenu(); },
     {
         {430, 152, "Clouds1"},      {430, 175, "Clouds1"},       {430, 176, "Intos1"},      {430, 184, "Intos1"},
         {430, 191, "Intos1"},       {430, 192, "Labyrinth1"},    {430, 200, "Labyrinth1"},  {430, 216, "lastcrusader1"},
         {430, 240, "Psycho1"},      {430, 256, "Cyberdream1"},   {430, 280, "Friends1"},    {430, 296, "Frail1"},
         {430, 320, "Inborn1"},      {430, 336, "Toots1"},        {430, 360, "Turrican1"},   {430, 376, "DFactory1"},
         {430, 400, "DFactory1"},    {430, 401, "ImageMenuPozadi"}, {367, 165, "ImageMenuPozadi"},
         {368, 165, "Clouds1"},      {496, 165, "Clouds1"},       {497, 165, "ImageMenuPozadi"},
         {358, 160, "ImageMenuPozadi"},  // a hidden highlight receives nothing
         {5, 407, "Credits1"},       {5, 408, "Mute1"},           {16, 380, "Credits1"},     {17, 380, "ImageMenuPozadi"},
         {5, 447, "ImageMenuPozadi"}, {5, 448, "Quit1"},          {5, 479, "Quit1"},         {5, 480, nullptr},
         {620, 30, "ImageMenuPozadi"},  // the hidden picture store Text1
         {220, 12, "ImageMenuPozadi"},  // the hidden display component
         {300, 440, "PanelSTextem"},    // the strip waits beyond the panel's right edge
         {232, 464, "PanelSTextem"},  {624, 424, "PanelSTextem"}, {625, 424, "ImageMenuPozadi"},
     }},
    {"menu, Intos lit",
     [](DiskFixture& d) { showOnly(d, "Intos2"); },
     {{430, 180, "Intos2"}, {430, 198, "Intos2"}, {430, 199, "Labyrinth1"}, {358, 190, "Intos2"}, {430, 179, "Intos1"}}},
    {"menu, Friends lit",
     [](DiskFixture& d) { showOnly(d, "Friends2"); },
     {{430, 278, "Friends2"}, {430, 296, "Friends2"}, {401, 288, "Friends1"}, {463, 296, "Frail1"}}},
    {"menu, Quit lit", [](DiskFixture& d) { showOnly(d, "Quit2"); }, {{5, 444, "Quit2"}, {17, 470, "Quit2"}, {18, 470, "ImageMenuPozadi"}}},
    {"menu, strip running",
     [](DiskFixture& d) {
         d.startInMenu();
         d.ticks(300);
     },
     {{300, 440, "ScrollText"}, {300, 460, "ScrollText"}, {300, 461, "PanelSTextem"}}},
    {"intro", [](DiskFixture& d) { d.start(); }, {{430, 165, "PanelIntro"}, {5, 465, "PanelIntro"}, {300, 440, "PanelIntro"}}},
    {"loading backdrop",
     [](DiskFixture& d) {
         d.start();
         d.keyUp(KeyEscape);
     },
     {{430, 165, "FormZAV"}, {201, 225, "Loading"}, {438, 254, "Loading"}, {439, 254, "FormZAV"}}},
    {"credits screen",
     [](DiskFixture& d) {
         d.startInMenu();
         d.move(5, 380);
         d.click(5, 380);
         d.advanceMs(1'500);
         d.ticks(200);
     },
     {{400, 300, "PanelCredits"}, {350, 200, "PanelCredits"}, {100, 100, "PanelCredits"}, {5, 380, "PanelCredits"},
      {300, 440, "PanelCredits"}, {639, 479, "PanelCredits"}}},
};

}  // namespace

// The receiver of the pointer: the topmost visible window, passing over disabled ones, then its
// topmost visible and enabled picture control, pictureless or not.
TEST(StackingAndRouting, ReceiverOfThePointerInEachScreenState) {
    for (const Scene& scene : Scenes) {
        DiskFixture disk;
        scene.reach(disk);
        for (const Probe& p : scene.probes) {
            const TControl* receiver = mouseReceiver(disk.form(), p.x, p.y);
            EXPECT_EQ(receiver ? receiver->name() : "(none)", p.receiver ? p.receiver : "(none)")
                << scene.name << ", " << p.x << "," << p.y;
        }
    }
}
