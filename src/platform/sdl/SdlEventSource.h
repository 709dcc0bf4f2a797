#pragma once
#include <SDL.h>

#include "platform/Clock.h"
#include "platform/EventSource.h"
#include "platform/sdl/SdlDisplay.h"

namespace zav {

// SDL's event queue, reduced to the events the screen handles. Pointer positions come from the
// events themselves and are mapped back to the 640 x 480 screen.
class SdlEventSource final : public EventSource {
public:
    // The deadline of waitEvent is read on `clock`.
    SdlEventSource(const Clock& clock, const SdlDisplay& display) : clock_(clock), display_(display) {}

    std::optional<InputEvent> waitEvent(int64_t deadlineUs) override;

private:
    // The screen's event for an SDL event, or nothing for one the screen does not handle.
    std::optional<InputEvent> translate(const SDL_Event& event) const;

    const Clock& clock_;
    const SdlDisplay& display_;
};

}  // namespace zav
