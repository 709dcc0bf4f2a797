#include "XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace zav {

XvfbServer::XvfbServer() {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        const std::string fd = std::to_string(pipeFds[1]);
        const int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    // The server writes its display number once it accepts connections.
    pollfd ready{pipeFds[0], POLLIN, 0};
    char number[16] = {};
    if (pid_ > 0 && poll(&ready, 1, 10'000) == 1 && read(pipeFds[0], number, sizeof number - 1) > 0) {
        std::string digits(number);
        digits.erase(std::min(digits.size(), digits.find_first_not_of("0123456789")));
        if (!digits.empty()) display_ = ":" + digits;
    }
    close(pipeFds[0]);
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

}  // namespace zav
