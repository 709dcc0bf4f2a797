#pragma once
#include <memory>

#include "platform/sdl/FramebufferPresenter.h"
#include "platform/sdl/X11Window.h"

namespace zav {

// The path without a GPU on a local X server: the image lives in memory shared with the server,
// and each frame is one request per changed rectangle, sent without waiting for the server.
// SDL's own window surface waits for a server round trip on every update.
//
// Not waiting means the server may copy a rectangle after the next frame has begun to change
// it; every changed rectangle is sent again after its change, so the screen always ends on the
// latest frame.
class X11ShmPresenter final : public FramebufferPresenter {
public:
    // Nothing when the server cannot share memory with this process (a remote display).
    static std::unique_ptr<X11ShmPresenter> create(SDL_Window* window, const X11Window& x11);
    ~X11ShmPresenter() override;
    X11ShmPresenter(const X11ShmPresenter&) = delete;
    X11ShmPresenter& operator=(const X11ShmPresenter&) = delete;

private:
    struct Image;

    X11ShmPresenter(SDL_Window* window, const X11Window& x11, Uint32 format);
    std::optional<Framebuffer> acquire() override;
    void push(const std::vector<SDL_Rect>& rects, bool whole) override;

    SDL_Window* window_;
    X11Window x11_;
    Uint32 format_;
    void* visual_ = nullptr;  // Xlib's Visual
    int depth_ = 0;
    void* gc_ = nullptr;
    std::unique_ptr<Image> image_;
};

}  // namespace zav
