#pragma once
#include <SDL.h>

#include "platform/AudioDevice.h"

namespace zav {

// The default SDL audio output. SDL converts to the hardware's format where it differs.
class SdlAudioDevice final : public AudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool open(Render render, std::string& error) override;
    bool isOpen() const override { return device_ != 0; }
    void resume() override;
    void pause() override;
    void lock() override;
    void unlock() override;
    void close() override;

private:
    static void SDLCALL trampoline(void* self, Uint8* stream, int bytes);

    SDL_AudioDeviceID device_ = 0;
    Render render_;
};

}  // namespace zav
