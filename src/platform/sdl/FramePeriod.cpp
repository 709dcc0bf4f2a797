#include "platform/sdl/FramePeriod.h"

#include <algorithm>

namespace zav {

int64_t framePeriodUsForRefresh(int refreshHz) {
    constexpr int kNominalHz = 60;
    if (refreshHz <= 0) return (1'000'000 + kNominalHz / 2) / kNominalHz;
    const int frames = std::max(1, (refreshHz + kNominalHz / 2) / kNominalHz);
    return (int64_t{frames} * 1'000'000 + refreshHz / 2) / refreshHz;
}

}  // namespace zav
