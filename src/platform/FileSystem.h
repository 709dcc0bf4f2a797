#pragma once
#include <string>

namespace zav {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // True only for a regular file (symbolic links followed); a directory does not count.
    virtual bool isRegularFile(const std::string& path) const = 0;
};

// The real file system, relative paths resolved against the working directory.
class RealFileSystem final : public FileSystem {
public:
    bool isRegularFile(const std::string& path) const override;
};

}  // namespace zav
