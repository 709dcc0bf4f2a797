#pragma once
#include <string>
#include <vector>

#include "music/ModuleLibrary.h"

namespace zav {

// A module library that records every call and answers as told.
class RecordingModuleLibrary final : public ModuleLibrary {
public:
    std::vector<std::string> calls;  // "close", "startup", "init", "startBackgroundPlay 0", "load <path>", ...

    bool closeResult = true;
    int closeFailuresLeft = 0;  // the next n closes fail, then closeResult applies
    bool initResult = true;
    bool backgroundResult = true;
    ModuleHandle loadResult = 7;
    PlayHandle playResult = 9;
    bool stopResult = true;
    const char* message = "no such module";
    bool playing = false;  // a play is sounding

    bool close() override;
    void startup() override { calls.push_back("startup"); }
    bool init() override;
    bool startBackgroundPlay(int rate) override;
    ModuleHandle loadModule(const std::string& path) override;
    PlayHandle playModule(ModuleHandle module, int loop) override;
    bool stopModule(PlayHandle play) override;
    int lastError() override;
    const char* errorMessage(int code) override;

    int count(const std::string& call) const;
};

}  // namespace zav
