#pragma once
#include <cstdint>
#include <optional>

#include "platform/sdl/PixelPacking.h"
#include "platform/sdl/SdlPresenter.h"

namespace zav {

// The paths without a GPU: a window-sized image in memory takes the changed rectangles, converted
// (and scaled, nearest pixel), and only those rectangles are pushed to the display. Subclasses
// own the image and the pushing.
class FramebufferPresenter : public SdlPresenter {
public:
    void present(const uint16_t* pixels, const std::vector<Rect>& dirty) final;

protected:
    // A window-sized image: `format` is an SDL pixel format; black is all bits clear.
    struct Framebuffer {
        uint8_t* pixels = nullptr;
        int pitch = 0;
        Size size;
        Uint32 format = 0;
    };

    // The image to draw into, ready for writing, or nothing when there is none now.
    virtual std::optional<Framebuffer> acquire() = 0;
    // Shows the given window rectangles of the image acquired last (the whole window when
    // `whole`), and ends the writing.
    virtual void push(const std::vector<SDL_Rect>& rects, bool whole) = 0;

private:
    // Draws the screen's pixels shown in `output` (window pixels inside the viewport).
    void draw(const uint16_t* pixels, const Framebuffer& target, const Rect& viewport, const Rect& output);

    // Converts `width` x `height` screen pixels from `from` into `format`.
    void convert(int width, int height, const uint16_t* from, Uint32 format, uint8_t* to, int pitch);

    // SDL's own colours at a fraction of its general converter's cost, which was a fifth of the
    // frame loop. Looked up again when the format changes; nothing for formats it cannot pack.
    Uint32 packedFormat_ = SDL_PIXELFORMAT_UNKNOWN;
    std::optional<PixelPacking> packing_;
    // The image drawn last; a new one (the window's size changed) starts black and is drawn whole.
    uint8_t* drawn_ = nullptr;
    Size drawnSize_;
    // Kept between frames, so a frame allocates nothing.
    std::vector<SDL_Rect> pushed_;
    std::vector<int> screenColumns_;
    std::vector<uint8_t> convertedRow_;
};

}  // namespace zav
