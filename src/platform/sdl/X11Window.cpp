#include "platform/sdl/X11Window.h"

#include <SDL_syswm.h>

namespace zav {

std::optional<X11Window> x11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    return X11Window{info.info.x11.display, info.info.x11.window};
}

bool x11RendersDirectly(Display* display) {
    for (const char* extension : {"DRI3", "DRI2", "NV-GLX"}) {
        int opcode = 0, event = 0, error = 0;
        if (XQueryExtension(display, extension, &opcode, &event, &error)) return true;
    }
    return false;
}

}  // namespace zav
