#include "screen/Timer.h"

#include <algorithm>

#include "platform/Clock.h"

namespace zav {

TTimer::TTimer(TimerScheduler& scheduler, std::string name) : scheduler_(scheduler), name_(std::move(name)) {
    scheduler_.timers_.push_back(this);
    restart();
}

TTimer::~TTimer() { std::erase(scheduler_.timers_, this); }

void TTimer::setInterval(int ms) {
    if (ms == intervalMs_) return;
    intervalMs_ = ms;
    restart();
}

void TTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) restart();
}

void TTimer::restart() { dueUs_ = scheduler_.now() + scheduler_.periodUs(*this); }

int64_t TimerScheduler::now() const { return clock_.nowUs(); }

int64_t TimerScheduler::periodUs(const TTimer& timer) const {
    return std::max<int64_t>(int64_t{timer.intervalMs_} * 1000, minimumPeriodUs_);
}

bool TimerScheduler::nextDue(int64_t& dueUs) const {
    bool any = false;
    for (const TTimer* t : timers_) {
        if (!t->enabled_ || !t->OnTimer) continue;
        if (!any || t->dueUs_ < dueUs) dueUs = t->dueUs_;
        any = true;
    }
    return any;
}

bool TimerScheduler::fireDue(int64_t nowUs) {
    TTimer* earliest = nullptr;
    for (TTimer* t : timers_)
        if (t->enabled_ && t->OnTimer && t->dueUs_ <= nowUs && (!earliest || t->dueUs_ < earliest->dueUs_)) earliest = t;
    if (!earliest) return false;
    const int64_t period = periodUs(*earliest);
    earliest->dueUs_ += period;
    if (earliest->dueUs_ <= nowUs) earliest->dueUs_ = nowUs + period;
    earliest->OnTimer();
    return true;
}

}  // namespace zav
