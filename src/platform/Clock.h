#pragma once
#include <cstdint>

namespace zav {

// Monotonic time in microseconds. The real clock reads the system; tests use ManualClock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t nowUs() const = 0;
};

}  // namespace zav
