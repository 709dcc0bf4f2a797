// Feeds arbitrary bytes through the whole load path (file checks, reading, libopenmpt) and
// plays whatever loads for a moment, on a fake device.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "music/openmpt/OpenmptModuleLibrary.h"
#include "platform/fakes/FakeAudioDevice.h"

namespace {

// The file each input is written to, removed when the fuzzer exits.
struct ScratchFile {
    std::string path = "/tmp/zav-module-load-fuzz-" + std::to_string(getpid()) + ".zav";
    ~ScratchFile() { unlink(path.c_str()); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const ScratchFile scratch;
    const std::string& path = scratch.path;
    static zav::FakeAudioDevice device;
    static zav::OpenmptModuleLibrary library(device);

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    library.close();
    library.startup();
    if (!library.init() || !library.startBackgroundPlay(0))
        __builtin_trap();
    zav::ModuleHandle module = library.loadModule(path);
    if (module == 0) {
        const char* text = library.errorMessage(library.lastError());
        if (!text || !*text)
            __builtin_trap();
        return 0;
    }
    if (library.playModule(module, 1) == 0)
        return 0;
    device.pull(4096);
    library.close();
    device.pull(1024);
    return 0;
}
