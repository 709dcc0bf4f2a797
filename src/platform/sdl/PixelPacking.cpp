#include "platform/sdl/PixelPacking.h"

namespace zav {

namespace {

// SDL's own widening of 5- and 6-bit channels to 8 bits (it rounds its own way), as multiplies
// and shifts on small integers, so the compiler can pack many pixels per instruction.
constexpr uint32_t widen5(uint32_t v) { return (v * 1053) >> 7; }
constexpr uint32_t widen6(uint32_t v) { return (v * 2069 + 16) >> 9; }

uint32_t pack(const PixelPacking& p, uint32_t pixel) {
    return p.constant | widen5(pixel >> 11) << p.redShift | widen6((pixel >> 5) & 0x3F) << p.greenShift |
           widen5(pixel & 0x1F) << p.blueShift;
}

}  // namespace

std::optional<PixelPacking> pixelPackingFor(Uint32 format) {
    SDL_PixelFormat* layout = SDL_AllocFormat(format);
    if (!layout) return std::nullopt;
    const bool eightBitChannels =
        layout->BytesPerPixel == 4 && layout->Rloss == 0 && layout->Gloss == 0 && layout->Bloss == 0;
    PixelPacking packing{0, layout->Rshift, layout->Gshift, layout->Bshift};
    SDL_FreeFormat(layout);
    if (!eightBitChannels) return std::nullopt;
    auto sdlConverted = [format](uint16_t pixel) {
        uint32_t converted = 0;
        SDL_ConvertPixels(1, 1, SDL_PIXELFORMAT_RGB565, &pixel, 2, format, &converted, 4);
        return converted;
    };
    packing.constant = sdlConverted(0);
    // Every value of every channel, checked against SDL itself.
    for (uint32_t v = 0; v < 64; ++v) {
        const uint16_t pixels[] = {uint16_t((v & 0x1F) << 11), uint16_t(v << 5), uint16_t(v & 0x1F)};
        for (uint16_t pixel : pixels)
            if (pack(packing, pixel) != sdlConverted(pixel)) return std::nullopt;
    }
    return packing;
}

// Eight pixels per instruction where the processor has AVX2 (chosen when the program loads),
// four elsewhere.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target_clones("avx2", "default")))
#endif
void packPixels(const PixelPacking& shared, int width, int height, const uint16_t* from, int fromPitch,
                uint8_t* to, int toPitch) {
    // A copy the output cannot alias, or the loop would reload it for every pixel.
    const PixelPacking packing = shared;
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(from) + y * fromPitch);
        auto* out = reinterpret_cast<uint32_t*>(to + y * toPitch);
        for (int x = 0; x < width; ++x) out[x] = pack(packing, in[x]);
    }
}

}  // namespace zav
