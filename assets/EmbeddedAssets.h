#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace zav {

// The bytes of a file of the assets folder built into the program, by its path relative to that
// folder ("pictures/Matrix.png"); empty when there is no such asset.
std::span<const uint8_t> embeddedAsset(std::string_view name);

}  // namespace zav
