#include <gtest/gtest.h>

#include <functional>

#include "platform/fakes/ManualClock.h"
#include "screen/Timer.h"

using namespace zav;

namespace {

constexpr int64_t MinimumPeriodUs = 10'000;

struct Timers {
    ManualClock clock;
    TimerScheduler scheduler{clock};
    TTimer timer{scheduler, "TimerTest"};
    int ticks = 0;

    explicit Timers(int intervalMs) {
        scheduler.setMinimumPeriodUs(MinimumPeriodUs);
        timer.OnTimer = [this] { ++ticks; };
        timer.setInterval(intervalMs);
        timer.setEnabled(false);
        timer.setEnabled(true);
    }
    int64_t nextDue() const {
        int64_t due = -1;
        scheduler.nextDue(due);
        return due;
    }
    // Runs the loop until `us`, firing every tick when it falls due.
    void runUntil(int64_t us) {
        int64_t due = 0;
        while (scheduler.nextDue(due) && due <= us) {
            clock.setUs(due);
            scheduler.fireDue(due);
        }
        clock.setUs(us);
    }
};

}  // namespace

// A 100 ms timer enabled at 0 is changed at 60 ms: when does it tick next?
TEST(TimerRules, WhichChangesStartAFreshPeriod) {
    struct Case {
        const char* change;
        std::function<void(TTimer&)> apply;
        int64_t nextDueUs;
    } cases[] = {
        {"enable again after disabling", [](TTimer& t) { t.setEnabled(false); t.setEnabled(true); }, 160'000},
        {"enable an enabled timer", [](TTimer& t) { t.setEnabled(true); }, 100'000},
        {"a different interval", [](TTimer& t) { t.setInterval(50); }, 110'000},
        {"the same interval", [](TTimer& t) { t.setInterval(100); }, 100'000},
        {"a different interval while disabled, then enable", [](TTimer& t) {
             t.setEnabled(false);
             t.setInterval(30);
             t.setEnabled(true);
         }, 90'000},
    };
    for (const Case& c : cases) {
        Timers timers(100);
        timers.runUntil(60'000);
        c.apply(timers.timer);
        EXPECT_EQ(timers.nextDue(), c.nextDueUs) << c.change;
    }
}

TEST(TimerRules, ADisabledTimerNeverTicks) {
    Timers timers(100);
    timers.timer.setEnabled(false);
    timers.runUntil(1'000'000);
    EXPECT_EQ(timers.ticks, 0);
    EXPECT_EQ(timers.nextDue(), -1);
}

TEST(TimerRules, IntervalsBelowThePlatformMinimumAreRaisedToIt) {
    struct Case {
        int intervalMs;
        int ticksInOneSecond;
    } cases[] = {{1, 100}, {5, 100}, {10, 100}, {15, 66}, {500, 2}};
    for (const Case& c : cases) {
        Timers timers(c.intervalMs);
        timers.runUntil(1'000'000);
        EXPECT_EQ(timers.ticks, c.ticksInOneSecond) << c.intervalMs << " ms";
    }
}

TEST(TimerRules, ALateLoopGetsOneTickNotAPileOfThem) {
    Timers timers(10);
    timers.clock.setUs(105'000);  // the loop was busy for ten periods
    EXPECT_TRUE(timers.scheduler.fireDue(105'000));
    EXPECT_FALSE(timers.scheduler.fireDue(105'000));
    EXPECT_EQ(timers.ticks, 1);
    EXPECT_EQ(timers.nextDue(), 115'000) << "a full period after the late tick";
}

TEST(TimerRules, AnOnTimeLoopKeepsTheGrid) {
    Timers timers(100);
    timers.clock.setUs(100'500);  // a little late once
    timers.scheduler.fireDue(100'500);
    EXPECT_EQ(timers.nextDue(), 200'000);
}
