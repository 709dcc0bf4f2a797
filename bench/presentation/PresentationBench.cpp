// Per-tick cost of the two fast movements against a full-screen redraw of the same screen, and
// a whole session in virtual time against the wall clock.
#include <benchmark/benchmark.h>

#include "DiskFixture.h"
#include "MenuPoints.h"

using namespace zav;

namespace {

void reachCredits(DiskFixture& disk) {
    const MenuPoint& credits = MenuPoints[12];
    disk.move(credits.x, credits.y);
    disk.click(credits.x, credits.y);
    disk.advanceMs(1'500);
}

// One tick of the strip through the loop: the move, its redraw and the present.
void BM_MenuStripTick(benchmark::State& state) {
    DiskFixture disk;
    disk.startInMenu();
    disk.ticks(300);  // the strip spans the whole panel
    for (auto _ : state) disk.ticks(1);
}

void BM_MenuFullRedraw(benchmark::State& state) {
    DiskFixture disk;
    disk.startInMenu();
    disk.ticks(300);
    TFormZAV& form = disk.form();
    for (auto _ : state) {
        form.invalidateAll();
        benchmark::DoNotOptimize(form.paint());
    }
}

void BM_CreditsRollTick(benchmark::State& state) {
    DiskFixture disk;
    disk.startInMenu();
    reachCredits(disk);
    disk.ticks(200);  // the roll spans the frame's height
    for (auto _ : state) disk.ticks(1);
}

void BM_CreditsFullRedraw(benchmark::State& state) {
    DiskFixture disk;
    disk.startInMenu();
    reachCredits(disk);
    disk.ticks(200);
    TFormZAV& form = disk.form();
    for (auto _ : state) {
        form.invalidateAll();
        benchmark::DoNotOptimize(form.paint());
    }
}

// Start-up, the whole intro, ten minutes in the menu (the pointer wanders over the entries every
// two seconds and picks a song every twenty), then a ten-second visit to the credits screen.
void BM_VirtualSession(benchmark::State& state) {
    constexpr int64_t menuMs = 10 * 60 * 1000;
    int64_t virtualUs = 0;
    for (auto _ : state) {
        DiskFixture disk;
        disk.startInMenu();
        for (int64_t ms = 0, step = 0; ms < menuMs; ms += 2'000, ++step) {
            const MenuPoint& p = MenuPoints[step % 12];
            for (int x = p.x - 40; x <= p.x + 40; x += 8) disk.move(x, p.y);
            if (step % 10 == 9) disk.click(p.x, p.y);
            disk.advanceMs(2'000);
        }
        reachCredits(disk);
        disk.advanceMs(10'000);
        disk.click(100, 100);
        disk.advanceMs(1'500);
        virtualUs = disk.clock.nowUs();
    }
    state.counters["virtual_s"] = static_cast<double>(virtualUs) / 1e6;
    state.counters["virtual_per_wall"] =
        benchmark::Counter(static_cast<double>(virtualUs) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(BM_MenuStripTick);
BENCHMARK(BM_MenuFullRedraw);
BENCHMARK(BM_CreditsRollTick);
BENCHMARK(BM_CreditsFullRedraw);
BENCHMARK(BM_VirtualSession)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
