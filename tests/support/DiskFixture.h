#pragma once
#include <memory>
#include <optional>

#include "RecordingMessageBoxes.h"
#include "RecordingModuleLibrary.h"
#include "RectPrinter.h"
#include "music/Catalogue.h"
#include "music/PlaybackController.h"
#include "platform/fakes/FakeDisplay.h"
#include "platform/fakes/FakeFileSystem.h"
#include "platform/fakes/ManualClock.h"
#include "platform/fakes/QueuedEventSource.h"
#include "screen/Application.h"
#include "screen/FormZAV.h"

namespace zav {

// The whole disk on fakes, in virtual time: no display, no sound device, no wall clock.
// The short timer period is 10 ms here, so times are easy to read.
class DiskFixture {
public:
    static constexpr int64_t FramePeriodUs = 10'000;

    ManualClock clock;
    QueuedEventSource events{clock};
    FakeDisplay display;
    RecordingMessageBoxes boxes;
    FakeFileSystem files;
    const FileSystem* fileSystem = &files;  // what the screen tests module files against
    RecordingModuleLibrary library;
    std::unique_ptr<TApplication> application;
    std::unique_ptr<PlaybackController> player;
    std::unique_ptr<TFormZAV> screen;
    bool ended = false;  // the program ended through a failure

    DiskFixture();
    // Creates the screen (FormCreate runs); false when start-up ended the program.
    bool create();
    // Creates and shows the screen, as the entry does before its loop.
    void start();
    // Creates, shows and lets the intro run to the menu.
    void startInMenu();

    // Delivers everything that falls due in the next `ms` milliseconds of virtual time.
    void advanceMs(int64_t ms);
    void advanceUs(int64_t us);
    // Delivers everything that falls due up to the virtual time `us` (counted from the start).
    void advanceToUs(int64_t us) { advanceUs(us - clock.nowUs()); }
    // Runs `n` ticks of the short period.
    void ticks(int n) { advanceUs(n * FramePeriodUs); }

    void send(const InputEvent& event);
    void move(int x, int y);
    void click(int x, int y);
    void keyUp(int key);

    TFormZAV& form() { return *screen; }
    void end();
    // The one highlight shown, or nothing.
    std::optional<std::string> litEntry() const;
};

}  // namespace zav
