#pragma once
#include <SDL.h>

#include <optional>

struct _XDisplay;  // Xlib's Display, kept out of headers for its macros

namespace zav {

// The X server connection and window beneath an SDL window, when SDL runs on X11.
struct X11Window {
    _XDisplay* display = nullptr;
    unsigned long window = 0;
};

std::optional<X11Window> x11WindowOf(SDL_Window* window);

// Whether the server renders GL directly (DRI3, DRI2 or NVIDIA's own GLX). Without it any GL
// is software, not worth loading: a software rasteriser costs more than the shared memory path.
bool x11RendersDirectly(_XDisplay* display);

}  // namespace zav
