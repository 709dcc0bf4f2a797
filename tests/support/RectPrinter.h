#pragma once
#include <ostream>

#include "platform/Geometry.h"

namespace zav {

// Lets test failures show rectangles as left,top widthxheight.
inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << r.left << "," << r.top << " " << r.width << "x" << r.height;
}

}  // namespace zav
