#include "forms/due_points.h"

#include <algorithm>

namespace forms {

std::uint32_t DuePoints::Start(std::uint64_t nowMs) {
    due_ = nowMs + interval_;
    return static_cast<std::uint32_t>(interval_);
}

std::uint32_t DuePoints::AfterTick(std::uint64_t nowMs) {
    due_ += interval_;
    if (due_ <= nowMs) due_ = nowMs + interval_;
    // A tick that came before its due point (the system's timers fire on its clock's steps) would
    // otherwise wait longer than an interval.
    return static_cast<std::uint32_t>(std::min(due_ - nowMs, interval_));
}

std::uint64_t CounterMilliseconds(std::uint64_t count, std::uint64_t frequency) {
    return count / frequency * 1000 + count % frequency * 1000 / frequency;
}

}  // namespace forms
