#include <sys/stat.h>

#include "platform/FileSystem.h"

namespace zav {

bool RealFileSystem::isRegularFile(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace zav
