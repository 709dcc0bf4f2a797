#pragma once
#include <optional>

#include "platform/Display.h"

namespace zav {

// Takes exclusive full screen: 640 x 480 at 16 bits if the display accepts it, otherwise the
// smallest listed 16-bit mode of at least 640 x 480, first among the 4:3 modes, then among all.
// Returns the mode set, or nothing when none could be set.
std::optional<DisplayMode> chooseDisplayMode(Display& display);

}  // namespace zav
