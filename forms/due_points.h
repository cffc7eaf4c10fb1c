#pragma once
// When a timer that keeps its interval on average fires next. The system's timers fire on its
// clock's steps (every 15.6 ms on Windows unless a program asks for finer ones): set again and
// again for 50 ms, a timer fires every 62.5 ms. Set instead for the time left to a due point that
// advances by one interval a tick, it fires every interval on average, still once a tick. The due
// points are read on the performance counter: the system's own clock moves in those coarse steps even
// when another program has made the timers finer.
#include <cstdint>

namespace forms {

class DuePoints {
public:
    explicit DuePoints(std::uint32_t intervalMs) : interval_(intervalMs) {}

    // The timer starts, or starts again after a pause, at now: its first tick is due one interval
    // later. Returns the time to wait, in milliseconds.
    std::uint32_t Start(std::uint64_t nowMs);

    // A tick ended at now: the time to wait for the next one, never 0 and never more than an interval.
    // A tick that ran past the next due point is not made up by a burst: the next tick then comes one
    // interval from now.
    std::uint32_t AfterTick(std::uint64_t nowMs);

private:
    std::uint64_t interval_;
    std::uint64_t due_ = 0;
};

// A reading of a counter that runs at frequency counts a second (the performance counter), in
// milliseconds. Whole seconds and the rest are converted apart: the count times 1000 would overflow
// after weeks of uptime at a GHz counter rate.
std::uint64_t CounterMilliseconds(std::uint64_t count, std::uint64_t frequency);

}  // namespace forms
