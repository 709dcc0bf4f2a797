#pragma once
#include <memory>

#include "platform/sdl/FramebufferPresenter.h"
#include "platform/sdl/X11Window.h"

struct xcb_connection_t;

namespace zav {

// The path without a GPU on a local X server: the image lives in memory shared with the server,
// and each frame is one request per changed rectangle, sent without waiting for the server. It
// goes over a connection of its own, which never carries events: SDL's connection is read for
// input only when the server has sent some, and SDL's window surface waits for a server round
// trip on every update.
//
// Not waiting means the server may copy a rectangle after the next frame has begun to change
// it; every changed rectangle is sent again after its change, so the screen always ends on the
// latest frame. Requests of the two connections may pass each other: one that reaches a window
// not yet shown is lost, and the window's first exposure has the whole screen presented again.
class X11ShmPresenter final : public FramebufferPresenter {
public:
    // Nothing when the server cannot share memory with this process (a remote display).
    static std::unique_ptr<X11ShmPresenter> create(SDL_Window* window, const X11Window& x11);
    ~X11ShmPresenter() override;
    X11ShmPresenter(const X11ShmPresenter&) = delete;
    X11ShmPresenter& operator=(const X11ShmPresenter&) = delete;

private:
    // The window's pixels; format SDL_PIXELFORMAT_UNKNOWN when the screen cannot be packed into them.
    struct Layout {
        Uint32 format = SDL_PIXELFORMAT_UNKNOWN;
        uint8_t depth = 0;
        int bitsPerPixel = 0;
        int scanlinePad = 0;
    };
    struct Image;

    static Layout layoutOf(_XDisplay* display, unsigned long window);

    X11ShmPresenter(SDL_Window* window, xcb_connection_t* connection, uint32_t windowId, const Layout& layout);
    std::optional<Framebuffer> acquire() override;
    void push(const std::vector<SDL_Rect>& rects, bool whole) override;

    SDL_Window* window_;
    xcb_connection_t* connection_;
    uint32_t windowId_;
    Layout layout_;
    uint32_t gc_ = 0;
    std::unique_ptr<Image> image_;
};

}  // namespace zav
