#pragma once
#include "screen/Controls.h"

namespace zav {

// The full-screen display component. It attaches to the screen window when it is placed in the
// tree; on the window's first show (never again in a run) it takes exclusive full screen in
// 640 x 480, or the nearest larger mode, and fires OnInitialize. On failure the error display
// shows why and the program goes on in a window.
class TDXDraw final : public TWinControl {
public:
    TDXDraw(TWinControl* parent, std::string name);

    Handler OnInitialize;
    void windowShown();
    bool initialised() const { return initialised_; }

private:
    bool attempted_ = false;
    bool initialised_ = false;
};

}  // namespace zav
