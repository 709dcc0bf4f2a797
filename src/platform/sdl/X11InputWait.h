#pragma once
#include <cstdint>

#include "platform/sdl/X11Window.h"

namespace zav {

// Waits for input from the X server without asking SDL to read the connection: SDL reads it
// several times over on each call, which in a 60 Hz loop cost more than the frames themselves.
class X11InputWait {
public:
    explicit X11InputWait(_XDisplay* display) : display_(display) {}

    // Waits until the server has sent something for SDL to read, or until `timeoutUs` has
    // passed. True when there is input. Sends nothing: SDL sends its own requests as it makes
    // them, and a flush here would read the connection again on every frame.
    bool wait(int64_t timeoutUs);

private:
    _XDisplay* display_;
};

}  // namespace zav
