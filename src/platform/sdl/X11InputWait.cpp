#include "platform/sdl/X11InputWait.h"

#include <X11/Xlib.h>
#include <poll.h>

#include <ctime>

namespace zav {

bool X11InputWait::wait(int64_t timeoutUs) {
    // Events Xlib has already taken off the connection would never wake the poll.
    if (XEventsQueued(display_, QueuedAlready) > 0) return true;
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    const int64_t waitUs = timeoutUs < 0 ? 0 : timeoutUs;
    const timespec timeout{static_cast<time_t>(waitUs / 1'000'000), static_cast<long>(waitUs % 1'000'000 * 1000)};
    const int ready = ppoll(&connection, 1, &timeout, nullptr);
    // A failed wait (a signal) counts as input: the caller then reads the connection, where SDL
    // also turns a pending quit signal into an event.
    return ready != 0;
}

}  // namespace zav
