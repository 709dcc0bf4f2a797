#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>

#include "ModuleFixture.h"
#include "music/openmpt/OpenmptModuleLibrary.h"
#include "platform/sdl/SdlAudioDevice.h"

namespace zav {
namespace {

constexpr size_t kTinyFrames = size_t(fixture::kTinyModuleSeconds * AudioDevice::kSampleRate);

// SDL's device with a window onto what its thread pulls: frame counts and the loudest sample of
// every buffer since the last reset.
class ObservedSdlDevice final : public AudioDevice {
public:
    bool open(Render render, std::string& error) override
    {
        return device_.open(
            [this, render = std::move(render)](int16_t* out, size_t frames) {
                render(out, frames);
                std::vector<int16_t> buffer(out, out + frames * kChannels);
                std::lock_guard guard(mutex_);
                pulled_ += frames;
                if (fixture::peak(buffer) > 0)
                    lastAudibleFrame_ = pulled_;
                changed_.notify_all();
            },
            error);
    }
    bool isOpen() const override { return device_.isOpen(); }
    void resume() override { device_.resume(); }
    void pause() override { device_.pause(); }
    void lock() override { device_.lock(); }
    void unlock() override { device_.unlock(); }
    void close() override { device_.close(); }

    // Waits until the device has pulled `frames` more frames; false if it does not within 10 s.
    bool waitForFrames(size_t frames)
    {
        std::unique_lock guard(mutex_);
        size_t target = pulled_ + frames;
        return changed_.wait_for(guard, std::chrono::seconds(10), [&] { return pulled_ >= target; });
    }
    // Frames pulled since then that held sound.
    size_t audibleFramesSince(size_t mark)
    {
        std::lock_guard guard(mutex_);
        return lastAudibleFrame_ > mark ? lastAudibleFrame_ - mark : 0;
    }
    size_t pulled()
    {
        std::lock_guard guard(mutex_);
        return pulled_;
    }

private:
    SdlAudioDevice device_;
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t pulled_ = 0;
    size_t lastAudibleFrame_ = 0;
};

class SdlPlayback : public testing::Test {
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

    fixture::TempDirectory directory;
    std::string modulePath = directory.file("tiny.mod");
    ObservedSdlDevice device;
    OpenmptModuleLibrary library{device};

    void SetUp() override { fixture::writeFile(modulePath, fixture::tinyModule()); }

    PlayHandle startModule(const std::string& path)
    {
        EXPECT_TRUE(library.close());
        library.startup();
        EXPECT_TRUE(library.init()) << library.errorMessage(library.lastError());
        EXPECT_TRUE(library.startBackgroundPlay(0));
        ModuleHandle module = library.loadModule(path);
        EXPECT_NE(module, 0u) << library.errorMessage(library.lastError());
        return library.playModule(module, 1);
    }
};

TEST_F(SdlPlayback, PlaysLoopsStopsAndCloses)
{
    PlayHandle play = startModule(modulePath);
    ASSERT_NE(play, 0u);

    size_t started = device.pulled();
    ASSERT_TRUE(device.waitForFrames(kTinyFrames + AudioDevice::kSampleRate / 4));
    // An eighth of a second past the end: more than one device buffer, which counts as a whole.
    EXPECT_GT(device.audibleFramesSince(started), kTinyFrames + AudioDevice::kSampleRate / 8)
        << "the loop went silent after one pass";

    ASSERT_TRUE(library.stopModule(play));
    ASSERT_TRUE(device.waitForFrames(PlaybackMixer::kFadeFrames));
    size_t silentFrom = device.pulled();
    ASSERT_TRUE(device.waitForFrames(AudioDevice::kSampleRate / 10));
    EXPECT_EQ(device.audibleFramesSince(silentFrom), 0u);

    EXPECT_TRUE(library.close());
    EXPECT_TRUE(library.close());
}

TEST_F(SdlPlayback, SwitchesSongsOnOneOpenDevice)
{
    for (int song = 0; song < 5; ++song)
        ASSERT_NE(startModule(modulePath), 0u);
    size_t switched = device.pulled();
    ASSERT_TRUE(device.waitForFrames(AudioDevice::kSampleRate / 10));
    EXPECT_GT(device.audibleFramesSince(switched), 0u);
    EXPECT_TRUE(library.close());
}

TEST(SdlAudio, AMissingDeviceGivesSdlsReason)
{
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    std::string restore = previous ? previous : "dummy";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlAudioDevice device;
    OpenmptModuleLibrary library(device);
    library.startup();
    bool ready = library.init();
    setenv("SDL_AUDIODRIVER", restore.c_str(), 1);

    EXPECT_FALSE(ready);
    std::string text = library.errorMessage(library.lastError());
    EXPECT_EQ(text.rfind("no audio device: ", 0), 0u) << text;
    EXPECT_NE(text.find("no-such-driver"), std::string::npos) << text;
}

}  // namespace
}  // namespace zav
