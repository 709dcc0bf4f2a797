#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "DiskFixture.h"
#include "screen/ScreenPictures.h"

using namespace zav;
namespace fs = std::filesystem;

TEST(StartUp, StateWhenFormCreateHasFinished) {
    DiskFixture disk;
    ASSERT_TRUE(disk.create());
    TFormZAV& f = disk.form();
    EXPECT_EQ(f.MainStripShowing, 1);
    EXPECT_EQ(f.StripPasses, 0);
    EXPECT_EQ(f.IntroTicks, 0);
    EXPECT_EQ(disk.player->PlaybackActive, 0);

    EXPECT_EQ(f.width(), 640);
    EXPECT_EQ(f.height(), 480);
    for (TControl* filling : {static_cast<TControl*>(f.PanelMenu), static_cast<TControl*>(f.ImageMenuPozadi),
                              static_cast<TControl*>(f.PanelIntro)}) {
        EXPECT_TRUE(filling->visible()) << filling->name();
        EXPECT_EQ(filling->bounds(), (Rect{0, 0, 640, 480})) << filling->name();
    }
    EXPECT_EQ(f.Matrix->bounds(), (Rect{80, 640, 480, 960}));
    EXPECT_EQ(f.Loading->bounds(), (Rect{201, 225, 238, 30}));
    EXPECT_EQ(f.ScrollText->bounds(), (Rect{403, 0, 14171, 37}));
    EXPECT_EQ(f.Titulky->bounds(), (Rect{24, 302, 160, 1146}));
    EXPECT_EQ(f.PanelCredits->bounds(), (Rect{0, 1000, 800, 553}));
    EXPECT_EQ(f.Logo->bounds(), (Rect{0, 0, 800, 553})) << "hidden, so not aligned yet";
    EXPECT_TRUE(f.TextHlavni->picture().sharesPixelsWith(screenPicture("ScrollText")));

    EXPECT_TRUE(f.TimerIntro->enabled());
    EXPECT_EQ(f.TimerIntro->interval(), 1);
    EXPECT_FALSE(f.TimerScrollText->enabled());
    EXPECT_FALSE(f.TimerTitulky->enabled());
    EXPECT_FALSE(f.TimerScreen->enabled());
    EXPECT_EQ(f.TimerScreen->interval(), 500);

    EXPECT_EQ(disk.application->cursor(), 11);
    EXPECT_EQ(disk.application->pointer().count(), -1);
    EXPECT_FALSE(disk.display.pointerVisible);
    EXPECT_FALSE(disk.display.windowShown) << "created, not yet shown";
    EXPECT_TRUE(disk.library.calls.empty());
}

TEST(StartUp, TheMainTextStaysInTextHlavniAfterSongs) {
    DiskFixture disk;
    disk.startInMenu();
    disk.form().Psycho2Click();
    EXPECT_TRUE(disk.form().TextHlavni->picture().sharesPixelsWith(screenPicture("ScrollText")));
    EXPECT_TRUE(disk.form().ScrollText->picture().sharesPixelsWith(screenPicture("Text10")));
}

TEST(StartUp, FirstShowCentresTheWindowAndSwitchesTheDisplay) {
    struct Case {
        Size desktop;
        Rect expected;
    } cases[] = {
        {{1920, 1080}, {640, 300, 640, 480}},
        {{1025, 769}, {192, 144, 640, 480}},
        {{600, 400}, {0, 0, 640, 480}},  // negative results are raised to 0
    };
    for (const Case& c : cases) {
        DiskFixture disk;
        disk.display.desktop = c.desktop;
        disk.start();
        EXPECT_EQ(disk.display.shownBounds, c.expected);
        EXPECT_EQ(disk.display.title, "Z.A.V - Korvath");
        EXPECT_EQ(disk.display.fullScreenAttempts.front(), (DisplayMode{640, 480, 16}));
    }
}

TEST(StartUp, TheThemeStartsBeforeTheFirstIntroTick) {
    DiskFixture disk;
    disk.start();
    EXPECT_EQ(disk.library.count("load MUSICDAT/theme.zav"), 1);
    EXPECT_EQ(disk.form().Matrix->top(), 640);
    disk.ticks(1);
    EXPECT_EQ(disk.form().Matrix->top(), 635);
}

// Start-up refuses when a module file does not pass the test, whichever it is; it tests in
// catalogue order and stops at the first failure.
class Refusal : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        root_ = fs::temp_directory_path() / ("zav-startup-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "run" / "MUSICDAT");
        for (std::string_view path : ModuleFiles) std::ofstream(root_ / "run" / path) << "module";
        fs::current_path(root_ / "run");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }
    void expectRefusal(DiskFixture& disk) {
        EXPECT_FALSE(disk.create());
        ASSERT_EQ(disk.boxes.shown.size(), 1u);
        EXPECT_EQ(disk.boxes.shown[0].text, "Any song not exists!");
        EXPECT_EQ(disk.boxes.shown[0].caption, "Z.A.V - Korvath");
        EXPECT_EQ(disk.boxes.shown[0].icon, MessageIcon::None);
        EXPECT_TRUE(disk.display.calls.empty()) << "no window, no mode, no cursor, no pointer change";
        EXPECT_EQ(disk.application->pointer().count(), 0);
        EXPECT_TRUE(disk.library.calls.empty());
    }

    fs::path previous_;
    fs::path root_;
    RealFileSystem real_;
};

TEST_F(Refusal, AllFilesPresentStartsNormally) {
    DiskFixture disk;
    disk.fileSystem = &real_;
    EXPECT_TRUE(disk.create());
    EXPECT_TRUE(disk.boxes.shown.empty());
}

TEST_F(Refusal, LastFileMissing) {
    fs::remove("MUSICDAT/dfactory.zav");
    DiskFixture disk;
    disk.fileSystem = &real_;
    expectRefusal(disk);
}

TEST_F(Refusal, DirectoryNamedLikeTheTheme) {
    fs::remove("MUSICDAT/theme.zav");
    fs::create_directory("MUSICDAT/theme.zav");
    DiskFixture disk;
    disk.fileSystem = &real_;
    expectRefusal(disk);
}

TEST_F(Refusal, MusicBesideTheProgramButNotUnderTheWorkingDirectory) {
    fs::create_directories(root_ / "elsewhere");
    fs::current_path(root_ / "elsewhere");
    DiskFixture disk;
    disk.fileSystem = &real_;
    expectRefusal(disk);
}

TEST_F(Refusal, SymbolicLinksAreFollowed) {
    fs::rename("MUSICDAT/toots.zav", root_ / "toots-real.zav");
    fs::create_symlink(root_ / "toots-real.zav", "MUSICDAT/toots.zav");
    DiskFixture disk;
    disk.fileSystem = &real_;
    EXPECT_TRUE(disk.create());
    fs::remove(root_ / "toots-real.zav");  // now dangling
    DiskFixture dangling;
    dangling.fileSystem = &real_;
    expectRefusal(dangling);
}

TEST(StartUpOrder, StopsAtTheFirstMissingFile) {
    DiskFixture disk;
    disk.files.files.erase("MUSICDAT/intots.zav");
    struct CountingFiles : FileSystem {
        const FileSystem& inner;
        mutable std::vector<std::string> asked;
        explicit CountingFiles(const FileSystem& f) : inner(f) {}
        bool isRegularFile(const std::string& p) const override {
            asked.push_back(p);
            return inner.isRegularFile(p);
        }
    } counting(disk.files);
    disk.fileSystem = &counting;
    EXPECT_FALSE(disk.create());
    EXPECT_EQ(counting.asked, (std::vector<std::string>{"MUSICDAT/clouds.zav", "MUSICDAT/intots.zav"}));
}
