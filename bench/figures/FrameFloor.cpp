// The least any 60 Hz X client pays on this machine: each frame it sleeps until the frame is due,
// then sends one shared-memory put of an info-strip-sized rectangle (393 x 37) to a 640 x 480
// window of its own, as the disk does for a strip tick. Runs until it is ended; its CPU time is
// measured from outside, beside the disk's.
#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "frame_floor: no X server\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 640, 480, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_map_window(connection, window);
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    const uint32_t noExposures = 0;
    xcb_create_gc(connection, gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);

    const int id = shmget(IPC_PRIVATE, 640 * 480 * 4, IPC_CREAT | 0600);
    auto* pixels = static_cast<uint8_t*>(shmat(id, nullptr, 0));
    shmctl(id, IPC_RMID, nullptr);
    const xcb_shm_seg_t segment = xcb_generate_id(connection);
    xcb_shm_attach(connection, segment, uint32_t(id), 0);
    xcb_flush(connection);

    using Clock = std::chrono::steady_clock;
    constexpr auto kFrame = std::chrono::nanoseconds(1'000'000'000 / 60);
    auto due = Clock::now();
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (unsigned frame = 0;; ++frame) {
        due += kFrame;
        const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(due - Clock::now());
        if (wait.count() > 0) {
            const timespec timeout{time_t(wait.count() / 1'000'000'000), long(wait.count() % 1'000'000'000)};
            ppoll(&server, 1, &timeout, nullptr);
        }
        std::memset(pixels + (frame % 400) * 4, int(frame), 64);
        xcb_shm_put_image(connection, window, gc, 640, 480, 123, 439, 393, 37, 123, 439, screen->root_depth,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, 0, segment, 0);
        xcb_flush(connection);
        while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection)) std::free(event);
    }
}
