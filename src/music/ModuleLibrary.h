#pragma once
#include <cstdint>
#include <string>

namespace zav {

using ModuleHandle = uint32_t;  // 0 means failure
using PlayHandle = uint32_t;    // 0 means failure

// The nine operations of the module playback library that the playback controller calls.
// All of them are called from the event loop's thread only.
class ModuleLibrary {
public:
    virtual ~ModuleLibrary() = default;

    // Stops every play and releases every module. True also on a library never started and
    // after the current play has been stopped.
    virtual bool close() = 0;
    virtual void startup() = 0;
    // True when the library is ready for background play and loading.
    virtual bool init() = 0;
    // From then on the library keeps playing by itself. The program passes 0.
    virtual bool startBackgroundPlay(int rate) = 0;
    // Loads a module file by path (relative to the working directory); 0 when it cannot.
    virtual ModuleHandle loadModule(const std::string& path) = 0;
    // Plays a loaded module from its beginning; loop 1 repeats it without end. 0 on failure.
    virtual PlayHandle playModule(ModuleHandle module, int loop) = 0;
    // Silences that play; the library stays started.
    virtual bool stopModule(PlayHandle play) = 0;
    virtual int lastError() = 0;
    // The text for an error code; may be null, which counts as empty text.
    virtual const char* errorMessage(int code) = 0;
};

}  // namespace zav
