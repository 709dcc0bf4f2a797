#pragma once
#include <SDL.h>

#include <memory>

#include "platform/Clock.h"
#include "platform/EventSource.h"
#include "platform/sdl/SdlDisplay.h"
#include "platform/sdl/X11InputWait.h"

namespace zav {

// SDL's event queue, reduced to the events the screen handles. Pointer positions come from the
// events themselves and are mapped back to the 640 x 480 screen.
class SdlEventSource final : public EventSource {
public:
    // The deadline of waitEvent is read on `clock`.
    SdlEventSource(const Clock& clock, const SdlDisplay& display) : clock_(clock), display_(display) {}

    std::optional<InputEvent> waitEvent(int64_t deadlineUs) override;

private:
    // On X11: SDL reads the connection only when the server has sent something, when a signal
    // comes, and now and then.
    std::optional<InputEvent> waitOnX11(int64_t deadlineUs);
    // Elsewhere: SDL's own wait, which reads the display on every call.
    std::optional<InputEvent> waitOnSdl(int64_t deadlineUs);
    // The next queued event the screen handles, if any; reads nothing from the display.
    std::optional<InputEvent> takeQueued();
    void pump();
    // The screen's event for an SDL event, or nothing for one the screen does not handle.
    std::optional<InputEvent> translate(const SDL_Event& event) const;

    const Clock& clock_;
    const SdlDisplay& display_;
    // Looked for once the window exists.
    bool x11Checked_ = false;
    std::unique_ptr<X11InputWait> x11Wait_;
    int64_t lastPumpUs_ = 0;
};

}  // namespace zav
