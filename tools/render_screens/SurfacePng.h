#pragma once
#include <string>

#include "screen/Surface.h"

namespace zav {

// Writes the surface as an 8-bit RGB PNG; false (with libpng's message in `error`) on failure.
bool writeSurfacePng(const Surface& surface, const std::string& path, std::string& error);

}  // namespace zav
