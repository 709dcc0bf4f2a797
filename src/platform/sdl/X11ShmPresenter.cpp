#include "platform/sdl/X11ShmPresenter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace zav {

namespace {

// Waits until the server has handled every request sent so far.
void roundTrip(xcb_connection_t* connection) {
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace

// A window-sized image in a shared memory segment the server has attached.
struct X11ShmPresenter::Image {
    xcb_connection_t* connection = nullptr;
    Size size;
    int pitch = 0;
    uint8_t* pixels = nullptr;
    uint32_t segment = 0;

    ~Image() {
        if (segment != 0) {
            xcb_shm_detach(connection, segment);
            // The server must be done with the memory before it goes.
            roundTrip(connection);
        }
        if (pixels) shmdt(pixels);
    }

    static std::unique_ptr<Image> create(xcb_connection_t* connection, const Layout& layout, Size size) {
        auto made = std::make_unique<Image>();
        made->connection = connection;
        made->size = size;
        const int padBits = layout.scanlinePad;
        made->pitch = (size.width * layout.bitsPerPixel + padBits - 1) / padBits * padBits / 8;
        const int id = shmget(IPC_PRIVATE, size_t(made->pitch) * size.height, IPC_CREAT | 0600);
        if (id < 0) return nullptr;
        void* memory = shmat(id, nullptr, 0);
        if (memory == reinterpret_cast<void*>(-1)) {
            shmctl(id, IPC_RMID, nullptr);
            return nullptr;
        }
        made->pixels = static_cast<uint8_t*>(memory);
        // A server on another machine refuses the segment.
        const uint32_t segment = xcb_generate_id(connection);
        xcb_generic_error_t* error =
            xcb_request_check(connection, xcb_shm_attach_checked(connection, segment, uint32_t(id), 0));
        // Both sides hold it now (or never will): marked for removal, it goes with the last
        // detach, even when the program ends by a crash.
        shmctl(id, IPC_RMID, nullptr);
        if (error) {
            std::free(error);
            return nullptr;
        }
        made->segment = segment;
        return made;
    }
};

X11ShmPresenter::Layout X11ShmPresenter::layoutOf(Display* display, Window window) {
    Layout layout;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return layout;
    const Visual* visual = attributes.visual;
    layout.depth = uint8_t(attributes.depth);
    int count = 0;
    if (XPixmapFormatValues* formats = XListPixmapFormats(display, &count)) {
        for (int i = 0; i < count; ++i)
            if (formats[i].depth == attributes.depth) {
                layout.bitsPerPixel = formats[i].bits_per_pixel;
                layout.scanlinePad = formats[i].scanline_pad;
            }
        XFree(formats);
    }
    // Xvfb gives windows a DirectColor visual; its pixels are laid out like TrueColor ones.
    const bool colourMasks = visual->c_class == TrueColor || visual->c_class == DirectColor;
    if (colourMasks && (layout.bitsPerPixel == 16 || layout.bitsPerPixel == 32) && layout.scanlinePad >= 8)
        layout.format = SDL_MasksToPixelFormatEnum(layout.bitsPerPixel, Uint32(visual->red_mask),
                                                   Uint32(visual->green_mask), Uint32(visual->blue_mask), 0);
    return layout;
}

std::unique_ptr<X11ShmPresenter> X11ShmPresenter::create(SDL_Window* window, const X11Window& x11) {
    const Layout layout = layoutOf(x11.display, x11.window);
    if (layout.format == SDL_PIXELFORMAT_UNKNOWN) return nullptr;
    xcb_connection_t* connection = xcb_connect(DisplayString(x11.display), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    std::unique_ptr<X11ShmPresenter> presenter(new X11ShmPresenter(window, connection, uint32_t(x11.window), layout));
    // Tried once here, so a server that cannot share memory leaves SDL's path to the caller.
    if (!presenter->acquire()) return nullptr;
    return presenter;
}

X11ShmPresenter::X11ShmPresenter(SDL_Window* window, xcb_connection_t* connection, uint32_t windowId,
                                 const Layout& layout)
    : window_(window), connection_(connection), windowId_(windowId), layout_(layout) {
    gc_ = xcb_generate_id(connection);
    // No exposure events for the copies: nobody reads them.
    const uint32_t noExposures = 0;
    xcb_create_gc(connection, gc_, windowId, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
}

X11ShmPresenter::~X11ShmPresenter() {
    xcb_free_gc(connection_, gc_);
    image_.reset();
    xcb_disconnect(connection_);
}

std::optional<FramebufferPresenter::Framebuffer> X11ShmPresenter::acquire() {
    Size size;
    SDL_GetWindowSize(window_, &size.width, &size.height);
    if (size.width <= 0 || size.height <= 0) return std::nullopt;
    if (!image_ || image_->size != size) {
        image_.reset();
        image_ = Image::create(connection_, layout_, size);
    }
    if (!image_) return std::nullopt;
    return Framebuffer{image_->pixels, image_->pitch, size, layout_.format};
}

void X11ShmPresenter::push(const std::vector<SDL_Rect>& rects, bool whole) {
    const Size size = image_->size;
    auto put = [&](int x, int y, int width, int height) {
        xcb_shm_put_image(connection_, windowId_, gc_, uint16_t(size.width), uint16_t(size.height), int16_t(x),
                          int16_t(y), uint16_t(width), uint16_t(height), int16_t(x), int16_t(y), layout_.depth,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, 0, image_->segment, 0);
    };
    if (whole)
        put(0, 0, size.width, size.height);
    else
        for (const SDL_Rect& r : rects) put(r.x, r.y, r.w, r.h);
    xcb_flush(connection_);
    // Errors (a window already gone) are all this connection receives; drop what has come in.
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection_)) std::free(event);
}

}  // namespace zav
