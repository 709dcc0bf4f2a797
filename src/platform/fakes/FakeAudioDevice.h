#pragma once
#include <mutex>
#include <string>
#include <vector>

#include "platform/AudioDevice.h"

namespace zav {

// An audio device with no sound card: the test pulls frames with pull(), on its own thread.
class FakeAudioDevice final : public AudioDevice {
public:
    std::string openFailure;  // when set, open fails with this reason
    int opens = 0;
    int closes = 0;
    bool playing = false;  // opened and resumed

    bool open(Render render, std::string& error) override;
    bool isOpen() const override { return open_; }
    void resume() override { playing = open_; }
    void pause() override { playing = false; }
    void lock() override { mutex_.lock(); }
    void unlock() override { mutex_.unlock(); }
    void close() override;

    // Interleaved stereo frames as the device would play them: silence while not playing.
    std::vector<int16_t> pull(size_t frames);

private:
    std::mutex mutex_;
    Render render_;
    bool open_ = false;
};

}  // namespace zav
