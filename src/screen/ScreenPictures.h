#pragma once
#include <string_view>

#include "platform/Image.h"
#include "screen/Picture.h"

namespace zav {

// The picture a control holds in the screen's resources, decoded once and shared afterwards.
Picture screenPicture(std::string_view holder);

// An image of the program's own resources ("kurzor1.png", "mainicon.png").
RgbaImage programImage(std::string_view name);

}  // namespace zav
