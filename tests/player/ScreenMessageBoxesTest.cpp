#include <gtest/gtest.h>

#include "DiskFixture.h"
#include "app/ScreenMessageBoxes.h"

using namespace zav;

namespace {

struct RecordingNativeDialogs : NativeDialogs {
    std::vector<std::string> texts;
    void showMessage(const std::string&, const std::string& text, MessageIcon) override { texts.push_back(text); }
};

}  // namespace

TEST(ScreenMessageBoxes, BeforeTheScreenShowsTheBoxIsThePlatformsOwn) {
    DiskFixture disk;
    RecordingNativeDialogs native;
    ScreenMessageBoxes boxes(native);
    boxes.attach(*disk.application);
    boxes.show("Z.A.V - Korvath", "Any song not exists!", MessageIcon::None);
    EXPECT_EQ(native.texts, std::vector<std::string>{"Any song not exists!"});
}

TEST(ScreenMessageBoxes, OnTheShownScreenTheBoxIsModalAndTheScreenComesBackAfterIt) {
    DiskFixture disk;
    disk.startInMenu();
    RecordingNativeDialogs native;
    ScreenMessageBoxes boxes(native);
    boxes.attach(*disk.application);
    const Surface before = disk.form().surface();

    disk.events.push({InputKind::MouseMove, 430, 168, 0});  // over Clouds1: swallowed by the box
    disk.events.push({InputKind::KeyUp, 0, 0, 'A'});        // not a key that dismisses
    disk.events.push({InputKind::MouseDown, 5, 5, 0});
    disk.events.push({InputKind::MouseUp, 5, 5, 0});        // outside OK
    disk.events.push({InputKind::KeyUp, 0, 0, KeyEnter});
    int presentsBefore = disk.display.presents;
    boxes.show("Z.A.V - Korvath", "MIDAS error: module file 'x' cannot be read", MessageIcon::Stop);

    EXPECT_TRUE(native.texts.empty());
    EXPECT_FALSE(disk.form().modalOpen());
    EXPECT_FALSE(disk.litEntry().has_value());
    EXPECT_GT(disk.display.presents, presentsBefore);
    disk.advanceUs(0);
    const Rect strip = disk.form().PanelSTextem->screenRect();
    for (int y = 0; y < Surface::Height; ++y)
        for (int x = 0; x < Surface::Width; ++x)
            if (!strip.contains(x, y)) ASSERT_EQ(disk.form().surface().pixel(x, y), before.pixel(x, y)) << x << "," << y;
}

TEST(ScreenMessageBoxes, TheBoxFitsTheScreenAndCarriesTheStopIcon) {
    const MessageDialog dialog = composeMessageDialog("Z.A.V - Korvath", "Nelze změnit rozlišení (640x480 16bit)", MessageIcon::Stop);
    EXPECT_GT(dialog.picture.width(), 200);
    EXPECT_LT(dialog.picture.width(), 640);
    EXPECT_LT(dialog.picture.height(), 480);
    bool red = false;
    for (int y = 0; y < dialog.picture.height(); ++y)
        for (int x = 0; x < 60; ++x) red |= dialog.picture.pixel(x, y) == rgb565(200, 0, 0);
    EXPECT_TRUE(red);
}
