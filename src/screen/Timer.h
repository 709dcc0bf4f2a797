#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "screen/Controls.h"

namespace zav {

class TimerScheduler;

// A timer of the screen. Enabling it, or giving it a different interval, starts its period
// afresh; setting a value it already has changes nothing.
class TTimer {
public:
    TTimer(TimerScheduler& scheduler, std::string name);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return intervalMs_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    Handler OnTimer;

private:
    void restart();

    TimerScheduler& scheduler_;
    std::string name_;
    int intervalMs_ = 1000;
    bool enabled_ = true;
    int64_t dueUs_ = 0;

    friend class TimerScheduler;
};

// Keeps the screen's timers and fires them when due, earliest first. A period shorter than the
// platform's minimum is raised to it; a timer that falls behind skips the ticks it missed
// instead of piling them up.
class TimerScheduler {
public:
    explicit TimerScheduler(const class Clock& clock) : clock_(clock) {}
    void setMinimumPeriodUs(int64_t us) { minimumPeriodUs_ = us; }
    int64_t minimumPeriodUs() const { return minimumPeriodUs_; }
    int64_t periodUs(const TTimer& timer) const;

    // The time the next tick falls due, or nothing when no timer is enabled.
    bool nextDue(int64_t& dueUs) const;
    // Fires the earliest timer due at `nowUs`, if any; true when one fired.
    bool fireDue(int64_t nowUs);

private:
    int64_t now() const;

    const Clock& clock_;
    int64_t minimumPeriodUs_ = 1000;
    std::vector<TTimer*> timers_;  // creation order breaks ties

    friend class TTimer;
};

}  // namespace zav
