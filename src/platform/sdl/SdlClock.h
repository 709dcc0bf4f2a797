#pragma once
#include "platform/Clock.h"

namespace zav {

// The system's monotonic clock, in microseconds since an arbitrary start.
class SdlClock final : public Clock {
public:
    int64_t nowUs() const override;
};

}  // namespace zav
