#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

#include "ModuleFixture.h"
#include "music/openmpt/OpenmptModuleLibrary.h"
#include "platform/sdl/SdlAudioDevice.h"

namespace zav {
namespace {

// The largest module of the disk when its music is there, else the test fixture module.
class LargestModule {
public:
    LargestModule()
    {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(ZAV_MUSIC_DIR, error))
            if (entry.path().extension() == ".zav" && entry.file_size() > largest_) {
                largest_ = entry.file_size();
                path_ = entry.path().string();
            }
        if (path_.empty()) {
            path_ = fixturePath_.file("fixture.mod");
            fixture::writeFile(path_, fixture::tinyModule());
        }
    }
    const std::string& path() const { return path_; }

private:
    fixture::TempDirectory fixturePath_;
    std::string path_;
    uintmax_t largest_ = 0;
};

const LargestModule& largestModule()
{
    static const LargestModule module;
    return module;
}

// What the playback controller does for every song start.
void startModule(ModuleLibrary& library, const std::string& path, benchmark::State& state)
{
    bool ok = library.close();
    library.startup();
    ok = ok && library.init() && library.startBackgroundPlay(0);
    ModuleHandle module = ok ? library.loadModule(path) : 0;
    if (!module || !library.playModule(module, 1))
        state.SkipWithError(library.errorMessage(library.lastError()));
}

void BM_SongSwitch(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudioDevice device;
    OpenmptModuleLibrary library(device);
    const std::string& path = largestModule().path();
    startModule(library, path, state);
    for (auto _ : state)
        startModule(library, path, state);
    state.SetLabel(std::filesystem::path(path).filename().string());
}
// One switch per repetition, so the median is the median switch.
BENCHMARK(BM_SongSwitch)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(60)->ReportAggregatesOnly(true);

// For comparison: what every switch would cost if the library reopened the device each time.
void BM_AudioDeviceOpenAndClose(benchmark::State& state)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudioDevice device;
    for (auto _ : state) {
        std::string error;
        if (!device.open([](int16_t* out, size_t frames) { std::fill_n(out, frames * 2, int16_t(0)); }, error))
            state.SkipWithError(error.c_str());
        device.resume();
        device.close();
    }
}
BENCHMARK(BM_AudioDeviceOpenAndClose)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace zav

BENCHMARK_MAIN();
