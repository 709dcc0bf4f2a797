#pragma once
#include <cstdint>

namespace zav {

// The time between two presented frames for a display refreshing `refreshHz` times a second:
// one frame, or on a display faster than 60 Hz the whole number of frames nearest 1/60 s, so
// movement keeps its speed. 1/60 s when the rate is unknown (0).
int64_t framePeriodUsForRefresh(int refreshHz);

}  // namespace zav
