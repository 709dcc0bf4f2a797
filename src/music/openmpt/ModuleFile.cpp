#include "music/openmpt/ModuleFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zav {

namespace {

constexpr size_t kReadChunk = size_t(64) << 10;

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

ModuleFileContents failure(LibraryError error, std::string reason)
{
    return {{}, error, std::move(reason)};
}

const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a special file";
}

ModuleFileContents cannotOpen(const std::string& path, int error)
{
    struct stat link {};
    if (error == ENOENT && lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
        return failure(LibraryError::CannotOpenFile,
                       "cannot open module file " + quoted(path) + ": symbolic link to a missing file");
    return failure(LibraryError::CannotOpenFile,
                   "cannot open module file " + quoted(path) + ": " + std::strerror(error));
}

ModuleFileContents tooLarge(const std::string& path, uint64_t size, size_t limit)
{
    return failure(LibraryError::FileTooLarge, "module file " + quoted(path) + " is too large (" +
                                                   std::to_string(size) + " bytes; the limit is " +
                                                   std::to_string(limit) + " bytes)");
}

// The refusal for a file that is not a plausible module file by its type and size, or none.
ModuleFileContents refusal(const std::string& path, const struct stat& info, size_t limit)
{
    if (!S_ISREG(info.st_mode))
        return failure(LibraryError::NotARegularFile,
                       "module file " + quoted(path) + " is " + kindOf(info.st_mode) + ", not a regular file");
    if (info.st_size == 0)
        return failure(LibraryError::EmptyFile, "module file " + quoted(path) + " is empty");
    if (uint64_t(info.st_size) > limit)
        return tooLarge(path, uint64_t(info.st_size), limit);
    return {};
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

ModuleFileContents readModuleFile(const std::string& path, size_t limit)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return cannotOpen(path, errno);
    if (auto refused = refusal(path, info, limit); refused.error != LibraryError::None)
        return refused;

    // Non-blocking, and checked again once open: the path may have been replaced since stat.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return cannotOpen(path, errno);
    if (fstat(file.get(), &info) != 0)
        return cannotOpen(path, errno);
    if (auto refused = refusal(path, info, limit); refused.error != LibraryError::None)
        return refused;

    // Read to the end rather than trust the size: the file may grow or shrink meanwhile.
    ModuleFileContents contents;
    contents.bytes.reserve(size_t(info.st_size) + kReadChunk);
    size_t filled = 0;
    for (;;) {
        if (filled > limit)
            return tooLarge(path, filled, limit);
        contents.bytes.resize(filled + kReadChunk);
        ssize_t got = ::read(file.get(), contents.bytes.data() + filled, kReadChunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(LibraryError::CannotReadFile,
                           "cannot read module file " + quoted(path) + ": " + std::strerror(errno));
        if (got == 0)
            break;
        filled += size_t(got);
    }
    if (filled == 0)
        return failure(LibraryError::EmptyFile, "module file " + quoted(path) + " is empty");
    contents.bytes.resize(filled);
    return contents;
}

}  // namespace zav
