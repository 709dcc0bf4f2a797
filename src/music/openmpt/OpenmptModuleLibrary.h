#pragma once
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>

#include "music/ModuleLibrary.h"
#include "music/openmpt/LibraryError.h"
#include "music/openmpt/PlaybackMixer.h"
#include "platform/AudioDevice.h"

namespace openmpt {
class module;
}

namespace zav {

// The module library on libopenmpt: loads every format libopenmpt reads, whatever the file's
// extension, and mixes on the audio device's thread.
//
// One play sounds at a time; a new play replaces the current one. Stops and replacements fade
// out over a few milliseconds. The audio device is opened by the first successful init and kept
// open and running until the library is destroyed: close only silences it, so a song switch does
// not pay for opening the device again.
class OpenmptModuleLibrary final : public ModuleLibrary {
public:
    // The device must outlive the library.
    explicit OpenmptModuleLibrary(AudioDevice& device);
    ~OpenmptModuleLibrary() override;
    OpenmptModuleLibrary(const OpenmptModuleLibrary&) = delete;
    OpenmptModuleLibrary& operator=(const OpenmptModuleLibrary&) = delete;

    bool close() override;
    void startup() override;
    bool init() override;
    bool startBackgroundPlay(int rate) override;
    ModuleHandle loadModule(const std::string& path) override;
    PlayHandle playModule(ModuleHandle module, int loop) override;
    bool stopModule(PlayHandle play) override;
    int lastError() override;
    const char* errorMessage(int code) override;

private:
    bool fail(LibraryError error, std::string text);
    uint32_t nextHandle();

    AudioDevice& device_;
    PlaybackMixer mixer_;
    std::ostream discardedLog_{nullptr};  // libopenmpt's warnings; declared before the modules
    bool startedUp_ = false;
    bool initialised_ = false;
    uint32_t lastHandle_ = 0;
    std::map<ModuleHandle, std::unique_ptr<openmpt::module>> modules_;
    std::set<PlayHandle> plays_;  // issued since the last close
    PlayHandle currentPlay_ = 0;
    LibraryError lastError_ = LibraryError::None;
    std::string lastText_;
    std::string message_;
};

}  // namespace zav
