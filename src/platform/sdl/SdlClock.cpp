#include "platform/sdl/SdlClock.h"

#include <chrono>

namespace zav {

int64_t SdlClock::nowUs() const {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace zav
