// A timer set again after each tick on a Windows clock that moves in 15.625 ms steps: the clock
// reads whole steps only, and a timer set at t for d ms fires at the first step at or after t + d.
#include "forms/due_points.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::int64_t kStepUs = 15625;

struct Tick {
    std::int64_t runsUs;
    std::int64_t pausedAfterUs = 0;  // the timer is then stopped for that long and started again
};

// When each tick starts, in microseconds.
std::vector<std::int64_t> TickStarts(const std::vector<Tick>& ticks) {
    const auto clock = [](std::int64_t t) { return static_cast<std::uint64_t>(t / kStepUs * kStepUs / 1000); };
    const auto fires = [](std::int64_t setAt, std::uint32_t waitMs) {
        return (setAt + waitMs * 1000 + kStepUs - 1) / kStepUs * kStepUs;
    };
    forms::DuePoints due(50);
    std::int64_t now = 7000;
    now = fires(now, due.Start(clock(now)));
    std::vector<std::int64_t> starts;
    for (const Tick& tick : ticks) {
        starts.push_back(now);
        now += tick.runsUs;
        if (tick.pausedAfterUs) {
            now += tick.pausedAfterUs;
            now = fires(now, due.Start(clock(now)));
        } else {
            now = fires(now, due.AfterTick(clock(now)));
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
    const std::vector<std::int64_t> starts = TickStarts(ticks);

    EXPECT_NEAR((starts[1000] - starts[0]) / 1000.0, 50000, 50) << "microseconds a tick, on average";
    for (std::size_t i = 1; i < starts.size(); ++i) {
        const Tick& before = ticks[i - 1];
        const std::int64_t wait = starts[i] - starts[i - 1] - (before.runsUs - 3000) - before.pausedAfterUs;
        // A burst would bring ticks one clock step apart; in time, none comes closer than three, nor
        // later than a step after its interval.
        ASSERT_TRUE(wait >= 3 * kStepUs && wait < 50000 + kStepUs) << "tick " << i << " waited " << wait;
    }
}

}  // namespace
