// A timer set again after each tick, on a Windows whose timers fire on the system clock's steps: 15.625 ms,
// or 1 ms once another program has asked for finer timers. A timer set at t for d ms fires at the first step
// at or after t + d; the due points read a 10 MHz performance counter.
#include "forms/due_points.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Tick {
    std::int64_t runsUs;
    std::int64_t pausedAfterUs = 0;  // the timer is then stopped for that long and started again
};

// When each tick starts, in microseconds.
std::vector<std::int64_t> TickStarts(const std::vector<Tick>& ticks, std::int64_t stepUs) {
    const auto counter = [](std::int64_t t) { return forms::CounterMilliseconds(t * 10, 10000000); };
    const auto fires = [stepUs](std::int64_t setAt, std::uint32_t waitMs) {
        return (setAt + waitMs * 1000 + stepUs - 1) / stepUs * stepUs;
    };
    forms::DuePoints due(50);
    std::int64_t now = 7000;
    now = fires(now, due.Start(counter(now)));
    std::vector<std::int64_t> starts;
    for (const Tick& tick : ticks) {
        starts.push_back(now);
        now += tick.runsUs;
        if (tick.pausedAfterUs) {
            now += tick.pausedAfterUs;
            now = fires(now, due.Start(counter(now)));
        } else {
            now = fires(now, due.AfterTick(counter(now)));
        }
    }
    return starts;
}

TEST(DuePoints, TicksEveryFiftyMillisecondsOnAverageWithNoBurstAfterALongTickOrAPause) {
    std::vector<Tick> ticks(1000, Tick{3000});
    ticks.push_back({400000});                  // a tick held up by a slow machine
    ticks.insert(ticks.end(), 100, Tick{3000});
    ticks.push_back({3000, 1000000});           // the settings window stops the timer for a second
    ticks.insert(ticks.end(), 100, Tick{3000});
    const struct {
        const char* timers;
        std::int64_t stepUs, earliestUs, latestUs;  // the wait for a tick, from the end of the one before
    } cases[] = {
        // A burst would bring ticks one step apart; none comes closer than three, nor later than a step
        // after its interval.
        {"Windows' default 15.625 ms steps", 15625, 3 * 15625, 50000 + 15625},
        // On the interval; after a late tick, an interval from its end, 3 ms of a tick's run later.
        {"1 ms steps", 1000, 50000, 50000 + 3000 + 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.timers);
        const std::vector<std::int64_t> starts = TickStarts(ticks, c.stepUs);
        EXPECT_NEAR((starts[1000] - starts[0]) / 1000.0, 50000, 50) << "microseconds a tick, on average";
        for (std::size_t i = 1; i < starts.size(); ++i) {
            const Tick& before = ticks[i - 1];
            const std::int64_t wait = starts[i] - starts[i - 1] - (before.runsUs - 3000) - before.pausedAfterUs;
            ASSERT_TRUE(wait >= c.earliestUs && wait < c.latestUs) << "tick " << i << " waited " << wait;
        }
    }
}

// Milliseconds of the counter, without the overflow of the count times 1000 after weeks of uptime.
TEST(DuePoints, CounterMilliseconds) {
    const struct {
        std::uint64_t count, frequency, ms;
    } cases[] = {
        {15000000, 10000000, 1500},
        {9999, 10000000, 0},
        {3000000000ULL * 86400 * 365 + 2999999999ULL, 3000000000ULL, 1000ULL * 86400 * 365 + 999},  // a year at 3 GHz
    };
    for (const auto& c : cases) EXPECT_EQ(forms::CounterMilliseconds(c.count, c.frequency), c.ms) << c.count;
}

}  // namespace
