#include "platform/sdl/X11ShmPresenter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace zav {

namespace {

bool attachFailed = false;

int noteAttachFailure(Display*, XErrorEvent*) {
    attachFailed = true;
    return 0;
}

// The window's pixel layout as an SDL format, or SDL_PIXELFORMAT_UNKNOWN.
Uint32 formatOf(Display* display, Window window, Visual*& visual, int& depth) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return SDL_PIXELFORMAT_UNKNOWN;
    visual = attributes.visual;
    depth = attributes.depth;
    int bitsPerPixel = 0;
    int count = 0;
    if (XPixmapFormatValues* formats = XListPixmapFormats(display, &count)) {
        for (int i = 0; i < count; ++i)
            if (formats[i].depth == depth) bitsPerPixel = formats[i].bits_per_pixel;
        XFree(formats);
    }
    // Xvfb gives windows a DirectColor visual; its pixels are laid out like TrueColor ones.
    if ((visual->c_class != TrueColor && visual->c_class != DirectColor) || (bitsPerPixel != 16 && bitsPerPixel != 32)) return SDL_PIXELFORMAT_UNKNOWN;
    return SDL_MasksToPixelFormatEnum(bitsPerPixel, Uint32(visual->red_mask), Uint32(visual->green_mask),
                                      Uint32(visual->blue_mask), 0);
}

}  // namespace

// A window-sized image in a shared memory segment the server has attached.
struct X11ShmPresenter::Image {
    Display* display = nullptr;
    XShmSegmentInfo segment{};
    XImage* image = nullptr;

    ~Image() {
        if (segment.shmaddr != nullptr && !attachFailed) {
            XShmDetach(display, &segment);
            // The server must be done with the memory before it goes.
            XSync(display, False);
        }
        if (image) {
            image->data = nullptr;
            XDestroyImage(image);
        }
        if (segment.shmaddr != nullptr) shmdt(segment.shmaddr);
    }

    static std::unique_ptr<Image> create(Display* display, Visual* visual, int depth, Size size) {
        auto made = std::make_unique<Image>();
        made->display = display;
        made->image = XShmCreateImage(display, visual, unsigned(depth), ZPixmap, nullptr, &made->segment,
                                      unsigned(size.width), unsigned(size.height));
        if (!made->image) return nullptr;
        made->segment.shmid = shmget(IPC_PRIVATE, size_t(made->image->bytes_per_line) * size.height, IPC_CREAT | 0600);
        if (made->segment.shmid < 0) return nullptr;
        void* memory = shmat(made->segment.shmid, nullptr, 0);
        // Marked for removal now, so the segment goes with the last detach, even after a crash.
        shmctl(made->segment.shmid, IPC_RMID, nullptr);
        if (memory == reinterpret_cast<void*>(-1)) return nullptr;
        made->segment.shmaddr = made->image->data = static_cast<char*>(memory);
        made->segment.readOnly = False;

        // A server on another machine refuses the segment, and says so only in an error event.
        XSync(display, False);
        attachFailed = false;
        auto* previous = XSetErrorHandler(noteAttachFailure);
        XShmAttach(display, &made->segment);
        XSync(display, False);
        XSetErrorHandler(previous);
        if (attachFailed) return nullptr;
        return made;
    }
};

std::unique_ptr<X11ShmPresenter> X11ShmPresenter::create(SDL_Window* window, const X11Window& x11) {
    if (!XShmQueryExtension(x11.display)) return nullptr;
    Visual* visual = nullptr;
    int depth = 0;
    const Uint32 format = formatOf(x11.display, x11.window, visual, depth);
    if (format == SDL_PIXELFORMAT_UNKNOWN) return nullptr;
    std::unique_ptr<X11ShmPresenter> presenter(new X11ShmPresenter(window, x11, format));
    presenter->visual_ = visual;
    presenter->depth_ = depth;
    // Tried once here, so a server that cannot share memory leaves SDL's path to the caller.
    Size size;
    SDL_GetWindowSize(window, &size.width, &size.height);
    presenter->image_ = Image::create(x11.display, visual, depth, size);
    if (!presenter->image_) return nullptr;
    return presenter;
}

X11ShmPresenter::X11ShmPresenter(SDL_Window* window, const X11Window& x11, Uint32 format)
    : window_(window), x11_(x11), format_(format) {
    XGCValues values{};
    // No exposure events for the copies: nobody reads them.
    values.graphics_exposures = False;
    gc_ = XCreateGC(x11.display, x11.window, GCGraphicsExposures, &values);
}

X11ShmPresenter::~X11ShmPresenter() {
    image_.reset();
    if (gc_) XFreeGC(x11_.display, static_cast<GC>(gc_));
}

std::optional<FramebufferPresenter::Framebuffer> X11ShmPresenter::acquire() {
    Size size;
    SDL_GetWindowSize(window_, &size.width, &size.height);
    if (size.width <= 0 || size.height <= 0) return std::nullopt;
    if (!image_ || image_->image->width != size.width || image_->image->height != size.height) {
        image_.reset();
        image_ = Image::create(x11_.display, static_cast<Visual*>(visual_), depth_, size);
    }
    if (!image_) return std::nullopt;
    XImage* image = image_->image;
    return Framebuffer{reinterpret_cast<uint8_t*>(image->data), image->bytes_per_line, size, format_};
}

void X11ShmPresenter::push(const std::vector<SDL_Rect>& rects, bool whole) {
    XImage* image = image_->image;
    auto put = [&](int x, int y, int width, int height) {
        XShmPutImage(x11_.display, x11_.window, static_cast<GC>(gc_), image, x, y, x, y, unsigned(width),
                     unsigned(height), False);
    };
    if (whole)
        put(0, 0, image->width, image->height);
    else
        for (const SDL_Rect& r : rects) put(r.x, r.y, r.w, r.h);
    XFlush(x11_.display);
}

}  // namespace zav
