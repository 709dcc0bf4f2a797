#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/PixelPacking.h"

namespace zav {
namespace {

// Windows come in these; each must take the fast packing, with SDL's colours to the bit.
TEST(PixelPackingTest, PacksEveryPixelAsSdlConvertsItInTheUsualWindowFormats) {
    std::vector<uint16_t> every(65536);
    for (size_t i = 0; i < every.size(); ++i) every[i] = uint16_t(i);
    for (const Uint32 format : {SDL_PIXELFORMAT_RGB888, SDL_PIXELFORMAT_BGR888, SDL_PIXELFORMAT_ARGB8888,
                                SDL_PIXELFORMAT_ABGR8888, SDL_PIXELFORMAT_RGBX8888}) {
        const std::optional<PixelPacking> packing = pixelPackingFor(format);
        ASSERT_TRUE(packing) << SDL_GetPixelFormatName(format);
        std::vector<uint32_t> ours(every.size()), sdl(every.size());
        // 256 x 256 with pitches as the screen and a window have them: rows of their own.
        packPixels(*packing, 256, 256, every.data(), 512, reinterpret_cast<uint8_t*>(ours.data()), 1024);
        SDL_ConvertPixels(256, 256, SDL_PIXELFORMAT_RGB565, every.data(), 512, format, sdl.data(), 1024);
        EXPECT_EQ(ours, sdl) << SDL_GetPixelFormatName(format);
    }
}

TEST(PixelPackingTest, LeavesOtherFormatsToSdl) {
    for (const Uint32 format : {SDL_PIXELFORMAT_RGB565, SDL_PIXELFORMAT_RGB24, SDL_PIXELFORMAT_ARGB2101010})
        EXPECT_FALSE(pixelPackingFor(format)) << SDL_GetPixelFormatName(format);
}

}  // namespace
}  // namespace zav
