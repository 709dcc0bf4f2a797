#pragma once
#include <deque>

#include "platform/EventSource.h"
#include "platform/fakes/ManualClock.h"

namespace zav {

// Hands out queued events at once; with none queued, virtual time jumps to the deadline.
class QueuedEventSource final : public EventSource {
public:
    explicit QueuedEventSource(ManualClock& clock) : clock_(clock) {}
    void push(const InputEvent& event) { queue_.push_back(event); }
    bool empty() const { return queue_.empty(); }

    std::optional<InputEvent> waitEvent(int64_t deadlineUs) override {
        if (!queue_.empty()) {
            InputEvent event = queue_.front();
            queue_.pop_front();
            return event;
        }
        clock_.setUs(deadlineUs);
        return std::nullopt;
    }

private:
    ManualClock& clock_;
    std::deque<InputEvent> queue_;
};

}  // namespace zav
