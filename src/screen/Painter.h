#pragma once
#include "platform/Geometry.h"

namespace zav {

class Picture;
class TWinControl;
class Surface;

// Redraws one rectangle of the screen from the control tree, front to back: every pixel is
// written once, by the topmost thing that covers it (a child window, else the topmost picture,
// else the window's own colour). Pictureless and hidden controls draw nothing.
void paintRect(const TWinControl& root, const Rect& screenRect, Surface& surface);

// Draws the part of a picture placed at `at` that falls inside `clip`.
void paintPicture(const Picture& picture, const Rect& at, const Rect& clip, Surface& surface);

}  // namespace zav
