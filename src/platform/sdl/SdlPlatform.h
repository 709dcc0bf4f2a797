#pragma once
#include "platform/sdl/SdlClock.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/SdlEventSource.h"
#include "platform/sdl/SdlNativeDialogs.h"

namespace zav {

// SDL's video, timer and event subsystems, held for as long as the object lives.
class SdlVideoSession {
public:
    // Throws std::runtime_error with SDL's reason when video cannot start.
    SdlVideoSession();
    ~SdlVideoSession();
    SdlVideoSession(const SdlVideoSession&) = delete;
    SdlVideoSession& operator=(const SdlVideoSession&) = delete;
};

// The platform on SDL. Members end in reverse order, so the window is destroyed, and the
// desktop's mode given back, before SDL shuts down: on a normal end as on an exception.
class SdlPlatform {
public:
    SdlPlatform() = default;

    SdlDisplay& display() { return display_; }
    SdlEventSource& events() { return events_; }
    SdlClock& clock() { return clock_; }
    SdlNativeDialogs& dialogs() { return dialogs_; }

private:
    SdlVideoSession session_;
    SdlClock clock_;
    SdlDisplay display_;
    SdlEventSource events_{clock_, display_};
    SdlNativeDialogs dialogs_;
};

}  // namespace zav
