#include "DiskFixture.h"

#include <string>

namespace zav {

DiskFixture::DiskFixture() {
    display.frameUs = FramePeriodUs;
    for (std::string_view path : ModuleFiles) files.files.insert(std::string(path));
    application = std::make_unique<TApplication>(ApplicationPlatform{display, clock, events, boxes});
    application->Title = "Z.A.V - Korvath";
    player = std::make_unique<PlaybackController>(library, *application);
}

bool DiskFixture::create() {
    try {
        screen = std::make_unique<TFormZAV>(*application, *fileSystem, *player);
        application->setMainForm(*screen);
        return true;
    } catch (const ProgramEnd&) {
        ended = true;
        return false;
    }
}

void DiskFixture::start() {
    if (!screen && !create()) return;
    try {
        screen->show();
        application->runFor(0);
    } catch (const ProgramEnd&) {
        end();
    }
}

void DiskFixture::startInMenu() {
    start();
    // 224 rising ticks, the first resting tick, then 81 ticks of 100 ms.
    advanceUs(225 * FramePeriodUs + 81 * 100'000);
}

void DiskFixture::advanceUs(int64_t us) {
    try {
        application->runFor(us);
    } catch (const ProgramEnd&) {
        end();
    }
}

// As the entry does after a failure: the screen is destroyed, which gives the display back.
void DiskFixture::end() {
    ended = true;
    screen.reset();
}

void DiskFixture::advanceMs(int64_t ms) { advanceUs(ms * 1000); }

void DiskFixture::send(const InputEvent& event) {
    events.push(event);
    advanceUs(0);
}

void DiskFixture::move(int x, int y) { send({InputKind::MouseMove, x, y, 0}); }

void DiskFixture::click(int x, int y) {
    send({InputKind::MouseDown, x, y, 0});
    send({InputKind::MouseUp, x, y, 0});
}

void DiskFixture::keyUp(int key) { send({InputKind::KeyUp, 0, 0, key}); }

std::optional<std::string> DiskFixture::litEntry() const {
    std::optional<std::string> lit;
    for (const char* name : {"Clouds2", "Intos2", "Labyrinth2", "LastCrusader2", "Psycho2", "CyberDream2", "Friends2",
                             "Frail2", "Inborn2", "Toots2", "Turrican2", "DFactory2", "Credits2", "Mute2", "Quit2"})
        if (screen->findControl(name)->visible()) lit = name;
    return lit;
}

}  // namespace zav
