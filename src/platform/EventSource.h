#pragma once
#include <cstdint>
#include <optional>

#include "platform/InputEvent.h"

namespace zav {

// Where the event loop takes its input from. The real source is SDL's queue; tests feed one.
class EventSource {
public:
    virtual ~EventSource() = default;
    // Returns the next pending event, waiting at most until the clock reads deadlineUs.
    // Returns nothing when the deadline passes with no event. Must not spin.
    virtual std::optional<InputEvent> waitEvent(int64_t deadlineUs) = 0;
};

}  // namespace zav
