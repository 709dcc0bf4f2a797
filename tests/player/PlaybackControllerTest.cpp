#include <gtest/gtest.h>

#include "DiskFixture.h"

using namespace zav;

namespace {

const std::vector<std::string> ThemeStart = {
    "close", "startup", "init", "startBackgroundPlay 0", "load MUSICDAT/theme.zav", "play 7 1",
};

struct FailingStep {
    const char* name;
    void (*breakIt)(RecordingModuleLibrary&);
    size_t callsBeforeReport;  // calls of the start sequence made before the failure is reported
};

const FailingStep FailingSteps[] = {
    {"close", [](RecordingModuleLibrary& l) { l.closeFailuresLeft = 1; }, 1},
    {"init", [](RecordingModuleLibrary& l) { l.initResult = false; }, 3},
    {"background", [](RecordingModuleLibrary& l) { l.backgroundResult = false; }, 4},
    {"load", [](RecordingModuleLibrary& l) { l.loadResult = 0; }, 5},
    {"play", [](RecordingModuleLibrary& l) { l.playResult = 0; }, 6},
};

}  // namespace

TEST(PlaybackController, ThemeStartsOnTheFirstShowWithTheWholeSequence) {
    DiskFixture disk;
    disk.start();
    EXPECT_EQ(disk.library.calls, ThemeStart);
    EXPECT_EQ(disk.player->PlaybackActive, 1);
    EXPECT_EQ(disk.player->CurrentModule, 7u);
    EXPECT_EQ(disk.player->CurrentPlayHandle, 9u);
    EXPECT_TRUE(disk.boxes.shown.empty());
}

TEST(PlaybackController, EachFailingStepShowsTheLibraryTextClosesAndEnds) {
    for (const FailingStep& step : FailingSteps) {
        SCOPED_TRACE(step.name);
        DiskFixture disk;
        step.breakIt(disk.library);
        disk.start();
        ASSERT_TRUE(disk.ended);
        std::vector<std::string> expected(ThemeStart.begin(), ThemeStart.begin() + step.callsBeforeReport);
        expected.insert(expected.end(), {"lastError", "errorMessage 42", "close"});
        EXPECT_EQ(disk.library.calls, expected);
        ASSERT_EQ(disk.boxes.shown.size(), 1u);
        EXPECT_EQ(disk.boxes.shown[0].text, "MIDAS error: no such module");
        EXPECT_EQ(disk.boxes.shown[0].caption, "Z.A.V - Korvath");
        EXPECT_EQ(disk.player->PlaybackActive, 0);
        EXPECT_TRUE(disk.display.windowDestroyed) << "the display is given back";
    }
}

TEST(PlaybackController, HandlesAreStoredBeforeTheyAreTested) {
    DiskFixture disk;
    disk.library.playResult = 0;
    disk.start();
    EXPECT_EQ(disk.player->CurrentModule, 7u);
    EXPECT_EQ(disk.player->CurrentPlayHandle, 0u);
}

TEST(PlaybackController, EmptyOrMissingErrorTextGivesThePrefixAlone) {
    for (const char* message : {static_cast<const char*>(nullptr), ""}) {
        DiskFixture disk;
        disk.library.message = message;
        disk.library.loadResult = 0;
        disk.start();
        ASSERT_EQ(disk.boxes.shown.size(), 1u);
        EXPECT_EQ(disk.boxes.shown[0].text, "MIDAS error: ");
    }
}

TEST(PlaybackController, MuteStopsOnceAndMakesNoCallWhenNothingPlays) {
    DiskFixture disk;
    ASSERT_TRUE(disk.create());
    disk.form().Mute2Click();  // before any start
    EXPECT_TRUE(disk.library.calls.empty());

    disk.start();
    disk.library.calls.clear();
    disk.form().Mute2Click();
    disk.form().Mute2Click();
    EXPECT_EQ(disk.library.calls, std::vector<std::string>{"stop 9"});
    EXPECT_EQ(disk.player->PlaybackActive, 0);
    EXPECT_EQ(disk.player->CurrentPlayHandle, 9u) << "mute keeps the handles";
}

TEST(PlaybackController, FailingStopEndsTheProgram) {
    DiskFixture disk;
    disk.start();
    disk.library.stopResult = false;
    disk.library.calls.clear();
    disk.advanceUs(0);
    try {
        disk.form().Mute2Click();
        FAIL() << "a failing stop must end the program";
    } catch (const ProgramEnd&) {
    }
    EXPECT_EQ(disk.library.calls, (std::vector<std::string>{"stop 9", "lastError", "errorMessage 42", "close"}));
}

TEST(PlaybackController, NoThemeWhenTheDisplayCannotBeSwitchedButSongsStillPlay) {
    DiskFixture disk;
    disk.display.acceptedModes = {{320, 200, 16}};
    disk.start();
    EXPECT_TRUE(disk.library.calls.empty());
    ASSERT_EQ(disk.boxes.shown.size(), 1u);
    EXPECT_EQ(disk.boxes.shown[0].text, "Nelze změnit rozlišení (640x480 16bit)");
    EXPECT_EQ(disk.boxes.shown[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(disk.ended);

    disk.form().Clouds2Click();
    EXPECT_EQ(disk.library.count("load MUSICDAT/clouds.zav"), 1);
    EXPECT_EQ(disk.player->PlaybackActive, 1);
}

TEST(PlaybackController, ASecondShowStartsNothing) {
    DiskFixture disk;
    disk.start();
    disk.form().show();
    EXPECT_EQ(disk.library.count("load MUSICDAT/theme.zav"), 1);
    EXPECT_EQ(disk.display.fullScreenAttempts.size(), 1u);
}
