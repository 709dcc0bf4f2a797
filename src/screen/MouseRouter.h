#pragma once
#include "platform/InputEvent.h"

namespace zav {

class TControl;
class TWinControl;

// Finds which control receives the pointer: the topmost visible window under it (a disabled
// window is passed over), then that window's topmost visible and enabled picture control.
TControl* mouseReceiver(TWinControl& root, int x, int y);

// Delivers mouse input: moves to the receiver, and between a press and its release everything
// to the control that took the press. A click fires on release inside the pressed control; the
// second press of a double click never makes a click.
class MouseRouter {
public:
    void handle(TWinControl& root, const InputEvent& event);

private:
    TControl* captured_ = nullptr;
    bool clickArmed_ = false;
};

}  // namespace zav
