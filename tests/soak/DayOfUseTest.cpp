// A day at the disk in virtual time: a random user acts every few seconds while the strip,
// the roll and the transitions tick on; the screen's rules are checked after every event.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "DiskFixture.h"
#include "RandomUser.h"
#include "ScreenInvariants.h"
#include "music/Catalogue.h"

using namespace zav;

namespace {

constexpr int64_t HourUs = int64_t{3600} * 1'000'000;

#ifdef ZAV_SOAK_SANITIZED
constexpr double DefaultHours = 4;
// The address sanitizer keeps freed blocks in quarantine, so the resident size grows by design;
// its leak check at exit stands in for the comparison.
constexpr bool ResidentSizeMeaningful = false;
#else
constexpr double DefaultHours = 24;
constexpr bool ResidentSizeMeaningful = true;
#endif

// ZAV_SOAK_HOURS (fractions allowed) overrides the build's default length of the day.
int64_t dayLengthUs() {
    double hours = DefaultHours;
    if (const char* asked = std::getenv("ZAV_SOAK_HOURS")) hours = std::strtod(asked, nullptr);
    return static_cast<int64_t>(hours * static_cast<double>(HourUs));
}

long residentSetBytes() {
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0, residentPages = 0;
    statm >> sizePages >> residentPages;
    return residentPages * sysconf(_SC_PAGESIZE);
}

bool inMenu(const TFormZAV& f) {
    return f.PanelMenu->visible() && !f.PanelIntro->visible() && !f.PanelCredits->visible() && !f.TimerScreen->enabled();
}

// What a song pick in the menu must have done: the song's line at the start of its passes, and
// its module playing if its file is there, the music left alone if not.
std::string songPickBroken(DiskFixture& disk, int song, bool playingBefore) {
    const TFormZAV& f = disk.form();
    const SongEntry& entry = SongEntries[song];
    const auto* line = static_cast<const TImage*>(f.findControl(entry.songLine));
    if (!f.ScrollText->picture().sharesPixelsWith(line->picture()) || f.StripPasses != 0 || f.MainStripShowing != 0)
        return std::string("the strip does not start ") + std::string(entry.songLine);
    const bool present = disk.files.files.count(std::string(entry.moduleFile)) > 0;
    const int loads = disk.library.count("load " + std::string(entry.moduleFile));
    if (present && (loads != 1 || !disk.library.playing)) return std::string(entry.moduleFile) + " is not playing";
    if (!present && (loads != 0 || disk.library.playing != playingBefore))
        return std::string("the missing ") + std::string(entry.moduleFile) + " changed the music";
    return {};
}

}  // namespace

TEST(DayOfUse, EveryRuleHoldsAfterEveryEventAndMemoryStaysFlat) {
    const int64_t dayUs = dayLengthUs();
    ASSERT_GT(dayUs, 0);
    DiskFixture disk;
    disk.start();
    ASSERT_FALSE(disk.ended);
    const long startRss = residentSetBytes();
    const TFormZAV& f = disk.form();
    const ScreenInvariants rules(disk);

    std::string broken;
    auto check = [&] {
        if (!broken.empty()) return;
        broken = rules.firstBroken();
        if (broken.empty() && (disk.ended || !disk.boxes.shown.empty())) broken = "the program ended";
        if (!broken.empty()) broken += " at " + std::to_string(disk.clock.nowUs()) + " us";
    };
    RandomUser user(disk, 20261211, check);

    int songsPlayed = 0, missingSongsPicked = 0, creditsOpened = 0;
    const int64_t baselineAtUs = dayUs / 24;  // the first hour of a full day
    long baselineRss = 0;
    while (disk.clock.nowUs() < dayUs && broken.empty()) {
        const int64_t actAtUs = std::min(disk.clock.nowUs() + user.pauseUs(), dayUs);
        while (disk.clock.nowUs() < actAtUs && broken.empty()) {
            disk.ticks(1);
            check();
        }
        if (baselineRss == 0 && disk.clock.nowUs() >= baselineAtUs) baselineRss = residentSetBytes();

        disk.library.calls.clear();  // only this action's calls are looked at
        const bool menuBefore = inMenu(f);
        const bool playingBefore = disk.library.playing;
        const RandomUser::Done done = user.act();
        if (!menuBefore || !broken.empty()) continue;
        if (done.action == RandomUser::Action::OpenCredits) ++creditsOpened;
        if (done.action == RandomUser::Action::PickSong) {
            broken = songPickBroken(disk, done.song, playingBefore);
            if (!broken.empty()) broken += " at " + std::to_string(disk.clock.nowUs()) + " us";
            disk.files.files.count(std::string(SongEntries[done.song].moduleFile)) ? ++songsPlayed
                                                                                   : ++missingSongsPicked;
        }
    }
    ASSERT_EQ(broken, "");
    const long endRss = residentSetBytes();

    std::cout << "virtual hours " << static_cast<double>(dayUs) / HourUs << ", resident set " << startRss / 1024
              << " KiB at the start, " << baselineRss / 1024 << " KiB after 1/24 of the day, " << endRss / 1024
              << " KiB at its end; songs played " << songsPlayed << ", picks of missing songs " << missingSongsPicked
              << ", credits visits " << creditsOpened << "\n";
    if (ResidentSizeMeaningful) {
        EXPECT_LT(std::abs(endRss - baselineRss), 4L << 20);
    }
    EXPECT_GT(songsPlayed, 0);
    EXPECT_GT(missingSongsPicked, 0);
    EXPECT_GT(creditsOpened, 0);

    disk.library.calls.clear();
    disk.keyUp(KeyF10);
    EXPECT_EQ(disk.library.calls, std::vector<std::string>{"close"});
    EXPECT_TRUE(disk.application->minimized());
    EXPECT_TRUE(disk.display.minimised);
    EXPECT_EQ(f.windowState(), WindowState::Minimized);
    EXPECT_TRUE(disk.application->terminated());
}
