#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace zav {

// A sound output: 48 kHz, stereo, signed 16-bit frames, pulled by the device's own thread.
class AudioDevice {
public:
    static constexpr int kSampleRate = 48000;
    static constexpr int kChannels = 2;

    // Fills `frames` interleaved stereo frames. Runs on the device's thread, never while the
    // device is locked; it must not block and must write every frame it is given.
    using Render = std::function<void(int16_t* interleaved, size_t frames)>;

    virtual ~AudioDevice() = default;

    // Opens the device paused. On failure returns false and puts the reason into `error`.
    virtual bool open(Render render, std::string& error) = 0;
    virtual bool isOpen() const = 0;
    // While paused the device plays silence and does not call the render function.
    virtual void resume() = 0;
    virtual void pause() = 0;
    // Between lock and unlock the render function does not run, so state it reads can be
    // changed from another thread. Keep the time in between short.
    virtual void lock() = 0;
    virtual void unlock() = 0;
    // Stops the device and waits until the render function has returned for the last time.
    virtual void close() = 0;
};

// Holds an AudioDevice locked for the lifetime of the guard.
class AudioDeviceLock {
public:
    explicit AudioDeviceLock(AudioDevice& device) : device_(device) { device_.lock(); }
    ~AudioDeviceLock() { device_.unlock(); }
    AudioDeviceLock(const AudioDeviceLock&) = delete;
    AudioDeviceLock& operator=(const AudioDeviceLock&) = delete;

private:
    AudioDevice& device_;
};

}  // namespace zav
