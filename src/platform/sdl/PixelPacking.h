#pragma once
#include <SDL.h>

#include <cstdint>
#include <optional>

namespace zav {

// How a 32-bit format with 8-bit channels holds a screen pixel (RGB565): each channel widened
// as SDL widens it, then shifted into place.
struct PixelPacking {
    uint32_t constant = 0;  // alpha or padding bits SDL sets
    int redShift = 0;
    int greenShift = 0;
    int blueShift = 0;
};

// Nothing for a format this packing cannot reproduce SDL's own conversion in.
std::optional<PixelPacking> pixelPackingFor(Uint32 format);

// Packs `width` x `height` pixels; pitches in bytes.
void packPixels(const PixelPacking& packing, int width, int height, const uint16_t* from, int fromPitch,
                uint8_t* to, int toPitch);

}  // namespace zav
