#pragma once
#include <cstdint>

namespace zav {

enum class InputKind : uint8_t {
    MouseMove,
    MouseDown,        // left button pressed
    MouseDoubleDown,  // second press of a double click: never a click of its own
    MouseUp,          // left button released
    KeyUp,            // key released; modifiers are not reported
    CloseRequest,     // window close or process quit request (SIGTERM, SIGINT)
    Expose,           // the window needs its whole content presented again
};

// Key codes follow the virtual-key numbering the behaviour is written against.
inline constexpr int KeyEscape = 27;
inline constexpr int KeyF10 = 121;
inline constexpr int KeyEnter = 13;
inline constexpr int KeySpace = 32;

struct InputEvent {
    InputKind kind = InputKind::MouseMove;
    int x = 0;  // pointer position in screen pixels (640 x 480), for mouse events
    int y = 0;
    int key = 0;  // for KeyUp
};

}  // namespace zav
