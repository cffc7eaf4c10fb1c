#pragma once
// When a timer that keeps its interval on average fires next. The system's timers fire on its
// clock's steps (every 15.6 ms on Windows unless a program asks for finer ones): set again and
// again for 50 ms, a timer fires every 62.5 ms. Set instead for the time left to a due point that
// advances by one interval a tick, it fires every interval on average, still once a tick.
#include <cstdint>

namespace forms {

class DuePoints {
public:
    explicit DuePoints(std::uint32_t intervalMs) : interval_(intervalMs) {}

    // The timer starts, or starts again after a pause, at now: its first tick is due one interval
    // later. Returns the time to wait, in milliseconds.
    std::uint32_t Start(std::uint64_t nowMs);

    // A tick ended at now: the time to wait for the next one, never 0. A tick that ran past the next
    // due point is not made up by a burst: the next tick then comes one interval from now.
    std::uint32_t AfterTick(std::uint64_t nowMs);

private:
    std::uint64_t interval_;
    std::uint64_t due_ = 0;
};

}  // namespace forms
