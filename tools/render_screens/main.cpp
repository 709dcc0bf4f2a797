// Renders the disk's screen states, driven on fakes in virtual time, to PNG files.
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "DiskFixture.h"
#include "MenuPoints.h"
#include "SurfacePng.h"

using namespace zav;

namespace {

// Virtual time of the intro's n-th tick: 225 short ticks (the last switches the interval to
// 100 ms), then one tick per 100 ms.
int64_t introTickUs(int n) {
    constexpr int64_t shortUs = DiskFixture::FramePeriodUs;
    return n <= 225 ? n * shortUs : 225 * shortUs + (n - 225) * int64_t{100'000};
}

class Renderer {
public:
    explicit Renderer(std::filesystem::path dir) : dir_(std::move(dir)) {}

    bool write(DiskFixture& disk, const std::string& name) {
        disk.form().invalidateAll();
        disk.form().paint();
        const std::string path = (dir_ / (name + ".png")).string();
        std::string error;
        if (!writeSurfacePng(disk.form().surface(), path, error)) {
            std::fprintf(stderr, "render_screens: %s: %s\n", path.c_str(), error.c_str());
            return false;
        }
        std::printf("%s\n", path.c_str());
        return true;
    }

private:
    std::filesystem::path dir_;
};

const MenuPoint& menuPoint(const std::string& highlight) {
    for (const MenuPoint& p : MenuPoints)
        if (highlight == p.highlight) return p;
    throw std::invalid_argument(highlight);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_screens <out-dir>\n");
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    Renderer out(argv[1]);
    bool ok = true;

    DiskFixture disk;
    disk.start();
    const struct {
        int tick;
        const char* name;
    } intro[] = {
        {60, "01-intro-rise-tick060"},  {150, "02-intro-rise-tick150"}, {240, "03-intro-matrix-resting"},
        {260, "04-intro-logo"},         {290, "05-loading-backdrop"},
    };
    for (const auto& shot : intro) {
        disk.advanceToUs(introTickUs(shot.tick));
        ok &= out.write(disk, shot.name);
    }

    // The menu appears on the intro's 306th tick; let the main text run into the strip.
    disk.advanceToUs(introTickUs(306));
    disk.ticks(150);
    ok &= out.write(disk, "06-menu");

    int number = 7;
    for (const MenuPoint& p : MenuPoints) {
        disk.move(p.x, p.y);
        char name[64];
        std::snprintf(name, sizeof name, "%02d-menu-lit-%s", number++, p.highlight);
        ok &= out.write(disk, name);
    }

    const MenuPoint& psycho = menuPoint("Psycho2");
    disk.move(psycho.x, psycho.y);
    disk.click(psycho.x, psycho.y);
    disk.ticks(200);  // the line starts 3 pixels inside the strip panel
    ok &= out.write(disk, "22-menu-song-line");

    const MenuPoint& credits = menuPoint("Credits2");
    disk.move(credits.x, credits.y);
    disk.click(credits.x, credits.y);
    disk.advanceMs(750);
    ok &= out.write(disk, "23-credits-transition");
    disk.advanceMs(750);
    disk.ticks(450);
    ok &= out.write(disk, "24-credits");

    return ok ? 0 : 1;
}
