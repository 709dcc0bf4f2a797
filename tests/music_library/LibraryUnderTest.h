#pragma once
#include <string>

#include "ModuleFixture.h"
#include "music/openmpt/LibraryError.h"
#include "music/openmpt/OpenmptModuleLibrary.h"
#include "platform/fakes/FakeAudioDevice.h"

namespace zav {

// The real library on a fake device the test pulls frames from, with the tiny module on disk.
struct LibraryUnderTest {
    fixture::TempDirectory directory;
    std::string modulePath = directory.file("tiny.mod");
    FakeAudioDevice device;
    OpenmptModuleLibrary library{device};

    LibraryUnderTest() { fixture::writeFile(modulePath, fixture::tinyModule()); }

    // The controller's start sequence up to the load; true when every step succeeded.
    bool start()
    {
        bool closed = library.close();
        library.startup();
        return closed && library.init() && library.startBackgroundPlay(0);
    }
    // start(), then load and play the tiny module; the play handle, or 0.
    PlayHandle startTiny(int loop = 1)
    {
        if (!start())
            return 0;
        ModuleHandle module = library.loadModule(modulePath);
        return module ? library.playModule(module, loop) : 0;
    }
    LibraryError error() { return LibraryError(library.lastError()); }
    std::string errorText() { return library.errorMessage(library.lastError()); }
};

}  // namespace zav
