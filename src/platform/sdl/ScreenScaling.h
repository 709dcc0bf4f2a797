#pragma once
#include "platform/Geometry.h"

namespace zav {

inline constexpr int ScreenWidth = 640;
inline constexpr int ScreenHeight = 480;

// Where the 640 x 480 screen lies in an output of the given size: as large as fits with its 4:3
// shape kept, centred, black bars around it.
Rect letterbox(Size output);

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The screen pixel shown at output pixel (x, y). In the bars it lies outside the screen.
ScreenPoint toScreenPoint(const Rect& viewport, int x, int y);

// The output pixels that show a pixel of `screenRect`: exactly those toScreenPoint maps into it.
Rect toOutputRect(const Rect& viewport, const Rect& screenRect);

}  // namespace zav
