#pragma once
#include "music/ModuleLibrary.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/EventSource.h"
#include "platform/FileSystem.h"
#include "screen/MessageBoxes.h"

namespace zav {

struct DiskPlatform {
    Display& display;
    Clock& clock;
    EventSource& events;
    MessageBoxes& boxes;
    const FileSystem& files;
    ModuleLibrary& library;
};

inline constexpr const char* ApplicationTitle = "Z.A.V - Korvath";

// The program: builds the screen, runs the loop until the quit request or a failure, destroys
// the screen (which gives the display back) and returns the exit status, 0 in every case.
int runDisk(const DiskPlatform& platform);

}  // namespace zav
