#pragma once
#include <SDL.h>

#include <optional>

namespace zav {

// The virtual-key code of an SDL key (27 Escape, 121 F10, 'A'..'Z', '0'..'9', ...), or nothing
// for a key that has none.
std::optional<int> virtualKeyCode(SDL_Keycode key);

}  // namespace zav
