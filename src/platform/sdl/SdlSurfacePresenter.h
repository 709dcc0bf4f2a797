#pragma once
#include <array>
#include <optional>

#include "platform/sdl/SdlPresenter.h"

namespace zav {

// The path without a GPU: only the changed rectangles are converted (and scaled, nearest pixel)
// into the window surface, and only they are pushed to the display.
class SdlSurfacePresenter final : public SdlPresenter {
public:
    explicit SdlSurfacePresenter(SDL_Window* window);

    void present(const uint16_t* pixels, const std::vector<Rect>& dirty) override;

private:
    // Draws the screen's pixels shown in `output` (window pixels inside the viewport).
    void draw(const uint16_t* pixels, SDL_Surface* surface, const Rect& viewport, const Rect& output);

    // Converts `width` x `height` screen pixels from `from` into `format`.
    void convert(int width, int height, const uint16_t* from, Uint32 format, uint8_t* to, int pitch);

    // A 32-bit pixel is the three channels' pixels combined, each as SDL converts it: SDL's own
    // colours at a fraction of its general converter's cost, which was a fifth of the frame loop.
    struct ChannelTables {
        explicit ChannelTables(Uint32 format);
        Uint32 format;
        std::array<uint32_t, 32> red;
        std::array<uint32_t, 64> green;
        std::array<uint32_t, 32> blue;
    };

    SDL_Window* window_;
    std::optional<ChannelTables> tables_;
    // The window surface drawn last; SDL makes a new one when the window's size changes, which
    // then starts black and is drawn whole.
    SDL_Surface* surface_ = nullptr;
    Size surfaceSize_;
    std::vector<int> screenColumns_;
    std::vector<uint8_t> convertedRow_;
};

}  // namespace zav
