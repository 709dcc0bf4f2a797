#include <gtest/gtest.h>

#include "platform/fakes/FakeDisplay.h"
#include "screen/DisplayModeChoice.h"

namespace zav {
namespace {

struct ModeChoiceCase {
    const char* name;
    std::vector<DisplayMode> listed;
    std::vector<DisplayMode> accepted;
    std::optional<DisplayMode> chosen;
    std::vector<DisplayMode> attempts;  // every enterFullScreen call, in order
};

class DisplayModeChoiceTest : public testing::TestWithParam<ModeChoiceCase> {};

TEST_P(DisplayModeChoiceTest, TriesModesInOrderAndTakesTheFirstAccepted) {
    const ModeChoiceCase& c = GetParam();
    FakeDisplay display;
    display.listed = c.listed;
    display.listedSet = true;
    display.acceptedModes = c.accepted;

    EXPECT_EQ(chooseDisplayMode(display), c.chosen);
    EXPECT_EQ(display.fullScreenAttempts, c.attempts);
}

const DisplayMode m640{640, 480, 16}, m800{800, 600, 16}, m1024{1024, 768, 16}, m1280x1024{1280, 1024, 16},
    m1280x720{1280, 720, 16}, m1152{1152, 864, 16};

INSTANTIATE_TEST_SUITE_P(
    Modes, DisplayModeChoiceTest,
    testing::Values(
        ModeChoiceCase{"Exact640x480", {m1024, m640, m800}, {m640, m800}, m640, {m640}},
        // Listed largest first, as SDL does: the smallest 4:3 one wins.
        ModeChoiceCase{"Smallest4To3", {m1024, m800}, {m800, m1024}, m800, {m640, m800}},
        ModeChoiceCase{"OnlyNon4To3", {m1280x1024}, {m1280x1024}, m1280x1024, {m640, m1280x1024}},
        // Wider but too low, and too narrow: neither counts as at least 640 x 480.
        ModeChoiceCase{"NothingLargeEnough", {{320, 240, 16}, {1024, 400, 16}, {600, 800, 16}}, {}, std::nullopt, {m640}},
        // Each refused 4:3 mode is asked once; then the rest, smallest first.
        ModeChoiceCase{"4To3RefusesThenAll",
                       {m1280x1024, m1152, m1280x720, m800, m1024},
                       {m1280x1024, m1280x720},
                       m1280x720,
                       {m640, m800, m1024, m1152, m1280x720}},
        ModeChoiceCase{"EightAndThirtyTwoBitIgnored",
                       {{800, 600, 8}, {1024, 768, 32}, {640, 480, 8}},
                       {{800, 600, 8}, {1024, 768, 32}},
                       std::nullopt,
                       {m640}},
        ModeChoiceCase{"DuplicatesAskedOnce", {m800, m800, m1024}, {m1024}, m1024, {m640, m800, m1024}},
        ModeChoiceCase{"SameAreaNarrowerFirst", {{1200, 480, 16}, {960, 600, 16}}, {{1200, 480, 16}, {960, 600, 16}},
                       DisplayMode{960, 600, 16}, {m640, {960, 600, 16}}}),
    [](const testing::TestParamInfo<ModeChoiceCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zav
