#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "music/openmpt/LibraryError.h"

namespace zav {

// Files above this size are refused unread: the largest real modules are a few megabytes.
inline constexpr size_t kModuleFileLimit = size_t(64) << 20;

struct ModuleFileContents {
    std::vector<std::byte> bytes;
    LibraryError error = LibraryError::None;
    std::string reason;  // names the path and the cause when error is set
};

// Reads a whole module file. Only regular files are opened, so a named pipe, a device or a
// directory never blocks or streams without end.
ModuleFileContents readModuleFile(const std::string& path, size_t limit = kModuleFileLimit);

}  // namespace zav
