#pragma once
#include <string>

namespace zav {

// A virtual X server of its own for a test program, 1280 x 1024 at 24 bits. Ended with the object.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N", or empty when Xvfb could not be started (not installed).
    const std::string& display() const { return display_; }

private:
    int pid_ = -1;
    std::string display_;
};

}  // namespace zav
