#include "music/PlaybackController.h"

#include <string>

#include "screen/Application.h"

namespace zav {

void PlaybackController::StartModule(std::string_view path) {
    if (!library_.close()) ReportPlayerError();
    library_.startup();
    if (!library_.init()) ReportPlayerError();
    if (!library_.startBackgroundPlay(0)) ReportPlayerError();
    CurrentModule = library_.loadModule(std::string(path));
    if (CurrentModule == 0) ReportPlayerError();
    CurrentPlayHandle = library_.playModule(CurrentModule, 1);
    if (CurrentPlayHandle == 0) ReportPlayerError();
    PlaybackActive = 1;
}

void PlaybackController::StopPlayback() {
    if (PlaybackActive == 0) return;
    if (!library_.stopModule(CurrentPlayHandle)) ReportPlayerError();
    PlaybackActive = 0;
}

void PlaybackController::ClosePlayer() {
    if (!library_.close()) ReportPlayerError();
}

void PlaybackController::ReportPlayerError() {
    const char* text = library_.errorMessage(library_.lastError());
    application_.messageBox("MIDAS error: " + std::string(text ? text : ""));
    library_.close();
    application_.endProgram();
}

}  // namespace zav
