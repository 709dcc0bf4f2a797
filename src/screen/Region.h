#pragma once
#include <vector>

#include "platform/Geometry.h"

namespace zav {

// A set of non-overlapping rectangles.
using Region = std::vector<Rect>;

// Removes `cut` from every rectangle of the region, splitting them as needed.
void subtract(Region& region, const Rect& cut);

}  // namespace zav
