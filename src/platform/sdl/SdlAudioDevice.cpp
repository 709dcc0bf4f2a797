#include "platform/sdl/SdlAudioDevice.h"

namespace zav {

namespace {

// About 85 ms: a stop or a switch is still heard promptly, and the sound thread wakes only about
// twelve times a second.
constexpr Uint16 kBufferFrames = 4096;

}  // namespace

SdlAudioDevice::~SdlAudioDevice()
{
    close();
}

bool SdlAudioDevice::open(Render render, std::string& error)
{
    if (device_ != 0)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    render_ = std::move(render);
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlAudioDevice::trampoline;
    wanted.userdata = this;
    // No allowed changes: SDL converts, so the render function always sees our format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        error = SDL_GetError();
        render_ = nullptr;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

void SdlAudioDevice::resume()
{
    if (device_ != 0)
        SDL_PauseAudioDevice(device_, 0);
}

void SdlAudioDevice::pause()
{
    if (device_ != 0)
        SDL_PauseAudioDevice(device_, 1);
}

void SdlAudioDevice::lock()
{
    if (device_ != 0)
        SDL_LockAudioDevice(device_);
}

void SdlAudioDevice::unlock()
{
    if (device_ != 0)
        SDL_UnlockAudioDevice(device_);
}

void SdlAudioDevice::close()
{
    if (device_ == 0)
        return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    render_ = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SDLCALL SdlAudioDevice::trampoline(void* self, Uint8* stream, int bytes)
{
    auto& device = *static_cast<SdlAudioDevice*>(self);
    device.render_(reinterpret_cast<int16_t*>(stream), size_t(bytes) / (kChannels * sizeof(int16_t)));
}

}  // namespace zav
