#include "platform/sdl/SdlEventSource.h"

#include <algorithm>
#include <climits>

#include "platform/sdl/SdlKeyCodes.h"

namespace zav {

namespace {

InputEvent pointerEvent(InputKind kind, ScreenPoint at) { return {kind, at.x, at.y, 0}; }

std::optional<InputEvent> windowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        return InputEvent{InputKind::CloseRequest};
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        return InputEvent{InputKind::Expose};
    default:
        return std::nullopt;
    }
}

}  // namespace

std::optional<InputEvent> SdlEventSource::waitEvent(int64_t deadlineUs) {
    if (!x11Checked_ && display_.window()) {
        x11Checked_ = true;
        if (const std::optional<X11Window> x11 = x11WindowOf(display_.window()))
            x11Wait_ = std::make_unique<X11InputWait>(x11->display);
    }
    return x11Wait_ ? waitOnX11(deadlineUs) : waitOnSdl(deadlineUs);
}

std::optional<InputEvent> SdlEventSource::waitOnX11(int64_t deadlineUs) {
    // A quit signal interrupts the wait, which then reads the connection and so lets SDL queue
    // its quit event; reading now and then besides is a safety net for anything else SDL does there.
    constexpr int64_t kPumpAtLeastEveryUs = 1'000'000;
    for (;;) {
        if (auto input = takeQueued()) return input;
        const int64_t nowUs = clock_.nowUs();
        const int64_t pumpDueUs = lastPumpUs_ + kPumpAtLeastEveryUs;
        if (nowUs >= pumpDueUs) {
            pump();
            continue;
        }
        if (nowUs >= deadlineUs) return std::nullopt;
        if (x11Wait_->wait(std::min(deadlineUs, pumpDueUs) - nowUs)) pump();
    }
}

std::optional<InputEvent> SdlEventSource::waitOnSdl(int64_t deadlineUs) {
    SDL_Event event;
    // A wait that timed out has just read the display; reading it again right away costs a round of
    // system calls each frame and finds nothing new.
    bool justPumped = false;
    for (;;) {
        const int64_t remainingUs = deadlineUs - clock_.nowUs();
        if (remainingUs <= 0) {
            // Events already queued are due too. SDL_PollEvent could stop short of them at the
            // end of its own poll cycle; taking them straight from the queue does not.
            if (!justPumped) SDL_PumpEvents();
            return takeQueued();
        }
        // Rounded up, so the wait never ends just short of the deadline and turns into a spin.
        const int timeoutMs = static_cast<int>(std::min<int64_t>((remainingUs + 999) / 1000, INT_MAX));
        justPumped = !SDL_WaitEventTimeout(&event, timeoutMs);
        if (!justPumped)
            if (auto input = translate(event)) return input;
    }
}

std::optional<InputEvent> SdlEventSource::takeQueued() {
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
        if (auto input = translate(event)) return input;
    return std::nullopt;
}

void SdlEventSource::pump() {
    SDL_PumpEvents();
    lastPumpUs_ = clock_.nowUs();
}

std::optional<InputEvent> SdlEventSource::translate(const SDL_Event& event) const {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        return pointerEvent(InputKind::MouseMove, display_.toScreen(event.motion.x, event.motion.y));
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button != SDL_BUTTON_LEFT) return std::nullopt;
        // Presses pair up as on the desktop the behaviour was written for: 1 click, 2 double, 3 click...
        return pointerEvent(event.button.clicks % 2 == 0 ? InputKind::MouseDoubleDown : InputKind::MouseDown,
                            display_.toScreen(event.button.x, event.button.y));
    case SDL_MOUSEBUTTONUP:
        if (event.button.button != SDL_BUTTON_LEFT) return std::nullopt;
        return pointerEvent(InputKind::MouseUp, display_.toScreen(event.button.x, event.button.y));
    case SDL_KEYUP:
        if (auto key = virtualKeyCode(event.key.keysym.sym)) return InputEvent{InputKind::KeyUp, 0, 0, *key};
        return std::nullopt;
    case SDL_QUIT:
        return InputEvent{InputKind::CloseRequest};
    case SDL_WINDOWEVENT:
        return windowEvent(event.window);
    case SDL_RENDER_TARGETS_RESET:
        // The renderer lost what it held: present the whole screen again.
        return InputEvent{InputKind::Expose};
    default:
        return std::nullopt;
    }
}

}  // namespace zav
