#pragma once
#include <cstdint>
#include <string_view>

#include "music/ModuleLibrary.h"

namespace zav {

class TApplication;

// All of the program's sound goes through here. Every failure the library reports is shown
// with the library's own text and ends the program.
class PlaybackController {
public:
    PlaybackController(ModuleLibrary& library, TApplication& application)
        : library_(library), application_(application) {}

    // Restarts the library and plays the module from its beginning in an endless loop.
    void StartModule(std::string_view path);
    // Stops the current play, if there is one; the library stays started.
    void StopPlayback();
    // Shuts the library down, silencing whatever plays.
    void ClosePlayer();
    [[noreturn]] void ReportPlayerError();

    uint8_t PlaybackActive = 0;
    ModuleHandle CurrentModule = 0;
    PlayHandle CurrentPlayHandle = 0;

private:
    ModuleLibrary& library_;
    TApplication& application_;
};

}  // namespace zav
