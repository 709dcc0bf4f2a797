#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace openmpt {
class module;
}

namespace zav {

// What the audio device's thread plays: first what is left of the fade-outs of plays that were
// stopped, then the current module, then silence.
//
// A stop renders the next few milliseconds of the module at once and ramps them down to zero, so
// the module can be released immediately while the device still plays a click-free ending, and
// nothing of the module stays in the device's buffer after it. render() runs on the device's
// thread; every other method is called with the device locked.
class PlaybackMixer {
public:
    static constexpr size_t kFadeFrames = 48000 * 5 / 1000;  // 5 ms

    PlaybackMixer();

    void render(int16_t* interleaved, size_t frames) noexcept;

    // Fades out whatever plays, then plays `module` from where it stands.
    void play(openmpt::module& module);
    // Fades out whatever plays. The mixer keeps no reference to the module afterwards.
    void fadeOut();
    // Whether the device is pulling frames. While it is not, a stop drops the play and every
    // pending fade-out instead: they would be stale by the time the device resumes.
    void setDeviceRunning(bool running);
    // True while `module` is the module being played.
    bool isPlaying(const openmpt::module& module) const { return current_ == &module; }

private:
    openmpt::module* current_ = nullptr;
    bool deviceRunning_ = false;
    std::vector<int16_t> fades_;
    size_t fadesPlayed_ = 0;
};

}  // namespace zav
