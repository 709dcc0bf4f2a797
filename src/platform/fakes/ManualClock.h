#pragma once
#include "platform/Clock.h"

namespace zav {

// Virtual time for tests: it moves only when told to.
class ManualClock final : public Clock {
public:
    int64_t nowUs() const override { return now_; }
    void setUs(int64_t us) {
        if (us > now_) now_ = us;
    }

private:
    int64_t now_ = 0;
};

}  // namespace zav
