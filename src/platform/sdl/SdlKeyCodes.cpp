#include "platform/sdl/SdlKeyCodes.h"

#include <utility>

namespace zav {

namespace {

// Keys outside the letter, digit and function-key ranges.
constexpr std::pair<SDL_Keycode, int> kNamedKeys[] = {
    {SDLK_BACKSPACE, 8},   {SDLK_TAB, 9},          {SDLK_RETURN, 13},      {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},     {SDLK_RSHIFT, 16},      {SDLK_LCTRL, 17},       {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},       {SDLK_RALT, 18},        {SDLK_PAUSE, 19},       {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},     {SDLK_SPACE, 32},       {SDLK_PAGEUP, 33},      {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},        {SDLK_HOME, 36},        {SDLK_LEFT, 37},        {SDLK_UP, 38},
    {SDLK_RIGHT, 39},      {SDLK_DOWN, 40},        {SDLK_PRINTSCREEN, 44}, {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},     {SDLK_LGUI, 91},        {SDLK_RGUI, 92},        {SDLK_APPLICATION, 93},
    {SDLK_KP_MULTIPLY, 106}, {SDLK_KP_PLUS, 107},  {SDLK_KP_MINUS, 109},   {SDLK_KP_PERIOD, 110},
    {SDLK_KP_DIVIDE, 111}, {SDLK_NUMLOCKCLEAR, 144}, {SDLK_SCROLLLOCK, 145}, {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},    {SDLK_COMMA, 188},      {SDLK_MINUS, 189},      {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},     {SDLK_BACKQUOTE, 192},  {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

}  // namespace

std::optional<int> virtualKeyCode(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    if (key >= SDLK_F13 && key <= SDLK_F24) return 124 + (key - SDLK_F13);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + (key - SDLK_KP_1);
    if (key == SDLK_KP_0) return 96;
    for (const auto& [sdlKey, code] : kNamedKeys)
        if (sdlKey == key) return code;
    return std::nullopt;
}

}  // namespace zav
