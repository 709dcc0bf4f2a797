// Time to decode every embedded picture, the cursor and the icon: what start-up pays for artwork.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "assets/EmbeddedAssets.h"
#include "screen/PngDecoder.h"
#include "screen/ScreenTree.h"

namespace {

std::vector<std::string> artAssets() {
    std::vector<std::string> names;
    for (const zav::ControlRow& row : zav::ScreenControls)
        if (row.hasPicture) names.push_back("pictures/" + std::string(row.name) + ".png");
    names.push_back("kurzor1.png");
    names.push_back("mainicon.png");
    return names;
}

void BM_DecodeAllArtwork(benchmark::State& state) {
    std::vector<std::string> names = artAssets();
    int64_t pixels = 0;
    for (auto _ : state) {
        pixels = 0;
        for (const std::string& name : names) {
            zav::RgbaImage image = zav::decodePng(zav::embeddedAsset(name));
            pixels += static_cast<int64_t>(image.width) * image.height;
            benchmark::DoNotOptimize(image.pixels.data());
        }
    }
    state.counters["images"] = static_cast<double>(names.size());
    state.counters["pixels"] = static_cast<double>(pixels);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}
BENCHMARK(BM_DecodeAllArtwork)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
