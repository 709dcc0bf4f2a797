#include "app/Entry.h"

#include "music/PlaybackController.h"
#include "screen/Application.h"
#include "screen/FormZAV.h"
#include "screen/ScreenPictures.h"

namespace zav {

int runDisk(const DiskPlatform& platform) {
    TApplication application({platform.display, platform.clock, platform.events, platform.boxes});
    application.Title = ApplicationTitle;
    application.Icon = programImage("mainicon.png");
    platform.boxes.attach(application);
    PlaybackController player(platform.library, application);
    try {
        TFormZAV screen(application, platform.files, player);
        application.run(screen);
    } catch (const ProgramEnd&) {
        // The failure has been shown; leaving the block destroyed the screen.
    }
    return 0;
}

}  // namespace zav
