#pragma once
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace zav {

// A file system holding exactly the regular files it is given.
class FakeFileSystem final : public FileSystem {
public:
    std::set<std::string> files;
    bool isRegularFile(const std::string& path) const override { return files.count(path) > 0; }
};

}  // namespace zav
