#include "platform/fakes/FakeAudioDevice.h"

namespace zav {

bool FakeAudioDevice::open(Render render, std::string& error)
{
    if (!openFailure.empty()) {
        error = openFailure;
        return false;
    }
    if (open_)
        return true;
    ++opens;
    render_ = std::move(render);
    open_ = true;
    return true;
}

void FakeAudioDevice::close()
{
    if (!open_)
        return;
    std::lock_guard guard(mutex_);
    ++closes;
    open_ = false;
    playing = false;
    render_ = nullptr;
}

std::vector<int16_t> FakeAudioDevice::pull(size_t frames)
{
    std::vector<int16_t> out(frames * kChannels, 0);
    std::lock_guard guard(mutex_);
    if (playing)
        render_(out.data(), frames);
    return out;
}

}  // namespace zav
