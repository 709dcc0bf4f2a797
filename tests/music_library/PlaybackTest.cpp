#include <gtest/gtest.h>

#include "LibraryUnderTest.h"
#include "music/openmpt/PlaybackMixer.h"

namespace zav {
namespace {

constexpr size_t kRate = AudioDevice::kSampleRate;
constexpr size_t kFade = PlaybackMixer::kFadeFrames;
constexpr size_t kTinyFrames = size_t(fixture::kTinyModuleSeconds * kRate);
constexpr int16_t kAudible = 500;

// The output is dithered, so the same music may differ by a step or two.
void expectSameMusic(const std::vector<int16_t>& actual, const std::vector<int16_t>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    int largest = 0;
    for (size_t i = 0; i < actual.size(); ++i)
        largest = std::max(largest, std::abs(int(actual[i]) - int(expected[i])));
    EXPECT_LE(largest, 2);
}

std::vector<int16_t> framesOf(const std::vector<int16_t>& interleaved, size_t from, size_t count)
{
    return {interleaved.begin() + ptrdiff_t(from * 2), interleaved.begin() + ptrdiff_t((from + count) * 2)};
}

TEST(Playback, SoundsFromTheFirstBuffer)
{
    LibraryUnderTest t;
    ASSERT_NE(t.startTiny(), 0u);
    EXPECT_GT(fixture::peak(t.device.pull(1024)), kAudible);
}

TEST(Playback, LoopingGoesOnPastTheModulesEnd)
{
    LibraryUnderTest t;
    ASSERT_NE(t.startTiny(1), 0u);
    t.device.pull(kTinyFrames);
    for (int pass = 0; pass < 3; ++pass)
        EXPECT_GT(fixture::peak(t.device.pull(kTinyFrames)), kAudible) << "pass " << pass;
}

TEST(Playback, PlayingOnceEndsInSilence)
{
    LibraryUnderTest t;
    ASSERT_NE(t.startTiny(0), 0u);
    t.device.pull(kTinyFrames + kRate / 4);
    EXPECT_EQ(fixture::peak(t.device.pull(kRate)), 0);
}

TEST(Playback, StopFadesOutSmoothlyThenLeavesSilence)
{
    LibraryUnderTest t;
    PlayHandle play = t.startTiny();
    std::vector<int16_t> before = t.device.pull(kRate / 10);
    ASSERT_GT(fixture::peak(framesOf(before, kRate / 10 - 64, 64)), kAudible);

    ASSERT_TRUE(t.library.stopModule(play));
    std::vector<int16_t> after = t.device.pull(kFade + 4096);
    std::vector<int16_t> seam = framesOf(before, kRate / 10 - 1, 1);
    seam.insert(seam.end(), after.begin(), after.begin() + ptrdiff_t(kFade * 2));
    EXPECT_LE(fixture::largestStep(seam), fixture::largestStep(before));
    EXPECT_LT(fixture::peak(framesOf(after, kFade - 2, 2)), kAudible / 10);
    EXPECT_EQ(fixture::peak(framesOf(after, kFade, 4096)), 0);
}

TEST(Playback, CloseFadesOutAndLeavesNothingBehind)
{
    LibraryUnderTest t;
    ASSERT_NE(t.startTiny(), 0u);
    t.device.pull(kRate / 10);
    ASSERT_TRUE(t.library.close());
    EXPECT_GT(fixture::peak(t.device.pull(kFade / 2)), 0);
    t.device.pull(kFade / 2);
    EXPECT_EQ(fixture::peak(t.device.pull(kRate)), 0);
}

TEST(Playback, AStopWhileTheDeviceIsPausedLeavesNoStaleSound)
{
    LibraryUnderTest t;
    t.library.startup();
    ASSERT_TRUE(t.library.init());
    PlayHandle play = t.library.playModule(t.library.loadModule(t.modulePath), 1);
    ASSERT_TRUE(t.library.stopModule(play));
    ASSERT_TRUE(t.library.startBackgroundPlay(0));
    EXPECT_EQ(fixture::peak(t.device.pull(kRate / 10)), 0);
}

TEST(Playback, PlayingAgainStartsFromTheBeginning)
{
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    ModuleHandle module = t.library.loadModule(t.modulePath);
    PlayHandle first = t.library.playModule(module, 1);
    std::vector<int16_t> opening = t.device.pull(kRate / 5);
    t.device.pull(kRate / 3);
    ASSERT_TRUE(t.library.stopModule(first));
    t.device.pull(kFade);

    ASSERT_NE(t.library.playModule(module, 1), 0u);
    expectSameMusic(t.device.pull(kRate / 5), opening);
}

TEST(Playback, ANewPlayReplacesTheCurrentOneAfterItsFade)
{
    LibraryUnderTest t;
    ASSERT_TRUE(t.start());
    ModuleHandle module = t.library.loadModule(t.modulePath);
    t.library.playModule(module, 1);
    std::vector<int16_t> opening = t.device.pull(kRate / 5);
    t.library.playModule(t.library.loadModule(t.modulePath), 1);

    std::vector<int16_t> after = t.device.pull(kFade + kRate / 5);
    EXPECT_LT(fixture::peak(framesOf(after, kFade - 2, 2)), kAudible / 10);
    expectSameMusic(framesOf(after, kFade, kRate / 5), opening);
}

TEST(Playback, ASwitchLeavesNothingOfTheOldModule)
{
    LibraryUnderTest t;
    ASSERT_NE(t.startTiny(), 0u);
    std::vector<int16_t> opening = t.device.pull(kRate / 5);
    t.device.pull(kRate / 3);

    ASSERT_NE(t.startTiny(), 0u);
    std::vector<int16_t> after = t.device.pull(kFade + kRate / 5);
    expectSameMusic(framesOf(after, kFade, kRate / 5), opening);
}

}  // namespace
}  // namespace zav
