#include "music/openmpt/OpenmptModuleLibrary.h"

#include <libopenmpt/libopenmpt.hpp>

#include "music/openmpt/ModuleFile.h"

namespace zav {

namespace {

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

}  // namespace

OpenmptModuleLibrary::OpenmptModuleLibrary(AudioDevice& device) : device_(device) {}

OpenmptModuleLibrary::~OpenmptModuleLibrary()
{
    // Closing the device waits for its thread, so the modules are no longer read after it.
    device_.close();
}

bool OpenmptModuleLibrary::close()
{
    {
        AudioDeviceLock lock(device_);
        mixer_.fadeOut();
    }
    modules_.clear();
    plays_.clear();
    currentPlay_ = 0;
    startedUp_ = false;
    initialised_ = false;
    return true;
}

void OpenmptModuleLibrary::startup()
{
    startedUp_ = true;
}

bool OpenmptModuleLibrary::init()
{
    if (!startedUp_)
        return fail(LibraryError::NotStartedUp, "library not started up: startup must come before init");
    if (!device_.isOpen()) {
        std::string reason;
        if (!device_.open([this](int16_t* out, size_t frames) { mixer_.render(out, frames); }, reason))
            return fail(LibraryError::NoAudioDevice, "no audio device: " + reason);
    }
    initialised_ = true;
    return true;
}

bool OpenmptModuleLibrary::startBackgroundPlay(int rate)
{
    if (!initialised_)
        return fail(LibraryError::NotInitialised, "library not initialised: background play needs a successful init");
    if (rate != 0)
        return fail(LibraryError::BadArgument, "background play rate " + std::to_string(rate) +
                                                   " is not supported: the audio device sets the pace, pass 0");
    AudioDeviceLock lock(device_);
    mixer_.setDeviceRunning(true);
    device_.resume();
    return true;
}

ModuleHandle OpenmptModuleLibrary::loadModule(const std::string& path)
{
    if (!initialised_)
        return fail(LibraryError::NotInitialised, "library not initialised: cannot load " + quoted(path));
    ModuleFileContents file = readModuleFile(path);
    if (file.error != LibraryError::None)
        return fail(file.error, std::move(file.reason));
    try {
        auto module = std::make_unique<openmpt::module>(file.bytes.data(), file.bytes.size(), discardedLog_);
        ModuleHandle handle = nextHandle();
        modules_.emplace(handle, std::move(module));
        return handle;
    } catch (const std::bad_alloc&) {
        return fail(LibraryError::OutOfMemory, "out of memory loading " + quoted(path));
    } catch (const std::exception& error) {
        return fail(LibraryError::NotAModule,
                    quoted(path) + " is not a module libopenmpt can read (" + error.what() + ")");
    }
}

PlayHandle OpenmptModuleLibrary::playModule(ModuleHandle module, int loop)
{
    if (!initialised_)
        return fail(LibraryError::NotInitialised, "library not initialised: cannot play a module");
    auto found = modules_.find(module);
    if (found == modules_.end())
        return fail(LibraryError::UnknownModule, "unknown module handle " + std::to_string(module) +
                                                     ": not loaded since the library was last closed");
    if (loop != 0 && loop != 1)
        return fail(LibraryError::BadArgument,
                    "loop must be 0 (play once) or 1 (repeat without end), not " + std::to_string(loop));
    openmpt::module& chosen = *found->second;
    try {
        AudioDeviceLock lock(device_);
        // The current play's fade-out is rendered before the module may be rewound.
        mixer_.fadeOut();
        chosen.set_repeat_count(loop == 1 ? -1 : 0);
        chosen.select_subsong(0);  // also rewinds to the subsong's beginning
        mixer_.play(chosen);
    } catch (const std::exception& error) {
        return fail(LibraryError::CannotPlayModule,
                    "cannot play module " + std::to_string(module) + ": " + error.what());
    }
    currentPlay_ = nextHandle();
    plays_.insert(currentPlay_);
    return currentPlay_;
}

bool OpenmptModuleLibrary::stopModule(PlayHandle play)
{
    if (plays_.count(play) == 0)
        return fail(LibraryError::UnknownPlay, "unknown play handle " + std::to_string(play) +
                                                   ": not started since the library was last closed");
    // A play already stopped, replaced or ended is silent already.
    if (play == currentPlay_) {
        AudioDeviceLock lock(device_);
        mixer_.fadeOut();
        currentPlay_ = 0;
    }
    return true;
}

int OpenmptModuleLibrary::lastError()
{
    return int(lastError_);
}

const char* OpenmptModuleLibrary::errorMessage(int code)
{
    if (code == int(lastError_) && !lastText_.empty())
        return lastText_.c_str();
    const char* text = describe(LibraryError(code));
    message_ = text ? text : "unknown error code " + std::to_string(code);
    return message_.c_str();
}

bool OpenmptModuleLibrary::fail(LibraryError error, std::string text)
{
    lastError_ = error;
    lastText_ = std::move(text);
    return false;
}

uint32_t OpenmptModuleLibrary::nextHandle()
{
    if (++lastHandle_ == 0)
        ++lastHandle_;
    return lastHandle_;
}

}  // namespace zav
