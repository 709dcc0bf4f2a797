#include "RecordingModuleLibrary.h"

#include <algorithm>

namespace zav {

bool RecordingModuleLibrary::close() {
    calls.push_back("close");
    playing = false;
    if (closeFailuresLeft > 0) {
        --closeFailuresLeft;
        return false;
    }
    return closeResult;
}

bool RecordingModuleLibrary::init() {
    calls.push_back("init");
    return initResult;
}

bool RecordingModuleLibrary::startBackgroundPlay(int rate) {
    calls.push_back("startBackgroundPlay " + std::to_string(rate));
    return backgroundResult;
}

ModuleHandle RecordingModuleLibrary::loadModule(const std::string& path) {
    calls.push_back("load " + path);
    return loadResult;
}

PlayHandle RecordingModuleLibrary::playModule(ModuleHandle module, int loop) {
    calls.push_back("play " + std::to_string(module) + " " + std::to_string(loop));
    playing = playResult != 0;
    return playResult;
}

bool RecordingModuleLibrary::stopModule(PlayHandle play) {
    calls.push_back("stop " + std::to_string(play));
    if (stopResult) playing = false;
    return stopResult;
}

int RecordingModuleLibrary::lastError() {
    calls.push_back("lastError");
    return 42;
}

const char* RecordingModuleLibrary::errorMessage(int code) {
    calls.push_back("errorMessage " + std::to_string(code));
    return message;
}

int RecordingModuleLibrary::count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

}  // namespace zav
