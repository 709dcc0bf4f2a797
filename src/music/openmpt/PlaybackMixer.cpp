#include "music/openmpt/PlaybackMixer.h"

#include <algorithm>
#include <libopenmpt/libopenmpt.hpp>

#include "platform/AudioDevice.h"

namespace zav {

namespace {

constexpr size_t kChannels = AudioDevice::kChannels;

}  // namespace

PlaybackMixer::PlaybackMixer()
{
    fades_.reserve(4 * kFadeFrames * kChannels);
}

void PlaybackMixer::render(int16_t* out, size_t frames) noexcept
{
    size_t fadeFrames = std::min(frames, (fades_.size() - fadesPlayed_) / kChannels);
    std::copy_n(fades_.begin() + ptrdiff_t(fadesPlayed_), fadeFrames * kChannels, out);
    fadesPlayed_ += fadeFrames * kChannels;
    out += fadeFrames * kChannels;
    frames -= fadeFrames;

    size_t rendered = 0;
    if (current_) {
        try {
            rendered = current_->read_interleaved_stereo(AudioDevice::kSampleRate, frames, out);
        } catch (...) {
            rendered = 0;
        }
        // Fewer frames than asked for: a module played once has reached its end.
        if (rendered < frames)
            current_ = nullptr;
    }
    std::fill_n(out + rendered * kChannels, (frames - rendered) * kChannels, int16_t(0));
}

void PlaybackMixer::play(openmpt::module& module)
{
    fadeOut();
    current_ = &module;
}

void PlaybackMixer::fadeOut()
{
    if (!deviceRunning_) {
        current_ = nullptr;
        fades_.clear();
        fadesPlayed_ = 0;
        return;
    }
    if (!current_)
        return;
    fades_.erase(fades_.begin(), fades_.begin() + ptrdiff_t(fadesPlayed_));
    fadesPlayed_ = 0;
    size_t start = fades_.size();
    fades_.resize(start + kFadeFrames * kChannels, 0);
    int16_t* tail = fades_.data() + start;
    size_t rendered = 0;
    try {
        rendered = current_->read_interleaved_stereo(AudioDevice::kSampleRate, kFadeFrames, tail);
    } catch (...) {
        rendered = 0;
    }
    for (size_t frame = 0; frame < rendered; ++frame) {
        // Linear ramp reaching zero on the last frame.
        int32_t gain = int32_t(kFadeFrames - 1 - frame);
        for (size_t channel = 0; channel < kChannels; ++channel) {
            int16_t& sample = tail[frame * kChannels + channel];
            sample = int16_t(int32_t(sample) * gain / int32_t(kFadeFrames - 1));
        }
    }
    fades_.resize(start + rendered * kChannels);
    current_ = nullptr;
}

void PlaybackMixer::setDeviceRunning(bool running)
{
    deviceRunning_ = running;
}

}  // namespace zav
