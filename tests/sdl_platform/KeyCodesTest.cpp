#include <gtest/gtest.h>

#include "platform/InputEvent.h"
#include "platform/sdl/SdlKeyCodes.h"

namespace zav {
namespace {

TEST(SdlKeyCodesTest, MapsToVirtualKeyCodes) {
    const struct {
        SDL_Keycode key;
        std::optional<int> code;
    } cases[] = {
        {SDLK_ESCAPE, KeyEscape}, {SDLK_F10, KeyF10}, {SDLK_F1, 112},    {SDLK_F12, 123},   {SDLK_F13, 124},
        {SDLK_a, 'A'},            {SDLK_z, 'Z'},      {SDLK_0, '0'},     {SDLK_9, '9'},     {SDLK_RETURN, 13},
        {SDLK_SPACE, 32},         {SDLK_LEFT, 37},    {SDLK_DOWN, 40},   {SDLK_KP_0, 96},   {SDLK_KP_9, 105},
        {SDLK_LSHIFT, 16},        {SDLK_RCTRL, 17},   {SDLK_LALT, 18},   {SDLK_MINUS, 189}, {SDLK_UNKNOWN, std::nullopt},
        {SDLK_AUDIOPLAY, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(virtualKeyCode(c.key), c.code) << SDL_GetKeyName(c.key);
}

}  // namespace
}  // namespace zav
