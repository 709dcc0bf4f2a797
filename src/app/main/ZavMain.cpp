#include <exception>
#include <iostream>

#include "app/Entry.h"
#include "app/ScreenMessageBoxes.h"
#include "music/openmpt/OpenmptModuleLibrary.h"
#include "platform/FileSystem.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlPlatform.h"

int main() {
    try {
        // Declared in this order so the library ends before its device and the window before SDL.
        zav::SdlPlatform platform;
        zav::SdlAudioDevice audio;
        zav::OpenmptModuleLibrary library(audio);
        zav::ScreenMessageBoxes boxes(platform.dialogs());
        zav::RealFileSystem files;
        return zav::runDisk({platform.display(), platform.clock(), platform.events(), boxes, files, library});
    } catch (const std::exception& e) {
        // Only the platform itself failing to start gets here (no display to open, say).
        std::cerr << zav::ApplicationTitle << ": " << e.what() << '\n';
        return 1;
    }
}
